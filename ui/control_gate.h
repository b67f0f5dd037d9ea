#pragma once

#include <functional>

#include "control_error.h"

namespace armoursmith {

// Every operation on a control passes through here, so that any failure of it leaves as a
// ControlError naming the status, the control, its interface and the operation.
class ControlGate {
 public:
  virtual ~ControlGate() = default;
  virtual void Run(const ControlCall& call, const std::function<void()>& operation);
};

}  // namespace armoursmith
