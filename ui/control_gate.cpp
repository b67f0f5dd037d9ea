#include "control_gate.h"

#include <new>

namespace armoursmith {

void ControlGate::Run(const ControlCall& call, const std::function<void()>& operation) {
  try {
    operation();
  } catch (const ControlError&) {
    throw;
  } catch (const std::bad_alloc&) {
    throw ControlError(kStatusOutOfMemory, call);
  } catch (const std::exception&) {
    throw ControlError(kStatusFailed, call);
  }
}

}  // namespace armoursmith
