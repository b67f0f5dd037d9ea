#include "fake_controls.h"

namespace armoursmith::testing {

std::string FakeControls::Script() const {
  std::string text;
  for (const auto& piece : appends) text += piece;
  return text;
}

void FakeControls::Count() {
  if (++operations_ == failAt) {
    throw ControlError(-5, {"fake", ControlInterface::TextBox, ControlOperation::ReadText});
  }
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start != text.size()) lines.push_back(text.substr(start) + "<no line end>");
  return lines;
}

}  // namespace armoursmith::testing
