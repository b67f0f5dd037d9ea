#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace armoursmith {

enum class ControlInterface { TextBox, PieceList, OptionButton, ScriptWindow };

enum class ControlOperation {
  ReadText,
  WriteText,
  AppendText,
  ReadSelectedIndex,
  WriteVisibility,
  WriteValue,
  Show,
};

// One operation on one named control.
struct ControlCall {
  std::string_view control;
  ControlInterface controlInterface;
  ControlOperation operation;
};

std::string_view Describe(ControlInterface controlInterface);
std::string_view Describe(ControlOperation operation);

// Statuses reported by failing control operations (negative means failure).
inline constexpr std::int32_t kStatusOutOfMemory = -2147024882;  // 0x8007000E
inline constexpr std::int32_t kStatusFailed = -2147467259;       // 0x80004005

// A control operation that reported a failure status.
class ControlError : public std::runtime_error {
 public:
  ControlError(std::int32_t status, const ControlCall& call);

  std::int32_t Status() const { return status_; }
  const std::string& Control() const { return control_; }
  ControlInterface Interface() const { return interface_; }
  ControlOperation Operation() const { return operation_; }

 private:
  std::int32_t status_;
  std::string control_;
  ControlInterface interface_;
  ControlOperation operation_;
};

}  // namespace armoursmith
