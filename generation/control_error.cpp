#include "control_error.h"

namespace armoursmith {
namespace {

std::string Message(std::int32_t status, const ControlCall& call) {
  return "status " + std::to_string(status) + " from " + std::string(call.control) + " (" +
         std::string(Describe(call.controlInterface)) +
         "): " + std::string(Describe(call.operation));
}

}  // namespace

std::string_view Describe(ControlInterface controlInterface) {
  switch (controlInterface) {
    case ControlInterface::TextBox:
      return "text box";
    case ControlInterface::PieceList:
      return "piece list";
    case ControlInterface::OptionButton:
      return "option button";
    case ControlInterface::ScriptWindow:
      return "script window";
  }
  return "control";
}

std::string_view Describe(ControlOperation operation) {
  switch (operation) {
    case ControlOperation::ReadText:
      return "read its text";
    case ControlOperation::WriteText:
      return "write its text";
    case ControlOperation::AppendText:
      return "append to its text";
    case ControlOperation::ReadSelectedIndex:
      return "read the index of the selected entry";
    case ControlOperation::WriteVisibility:
      return "write its visibility";
    case ControlOperation::WriteValue:
      return "write its value";
    case ControlOperation::Show:
      return "show it";
  }
  return "operate";
}

ControlError::ControlError(std::int32_t status, const ControlCall& call)
    : std::runtime_error(Message(status, call)),
      status_(status),
      control_(call.control),
      interface_(call.controlInterface),
      operation_(call.operation) {}

}  // namespace armoursmith
