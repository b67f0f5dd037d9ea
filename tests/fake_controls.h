#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "control_error.h"
#include "generator_controls.h"

namespace armoursmith::testing {

// Stands in for the windows: fields start with the main window's prompt texts, no list has
// a choice, and `failAt` makes the n-th control operation (counted from 1) fail.
class FakeControls : public GeneratorControls {
 public:
  std::array<std::string, kItemFieldCount> fields = {
      "Itemdef", "Defname", "Name",        "Weight", "Armour", "StrReq",
      "DexReq",  "IntReq",  "Description", "Color",  "Hp",     "Out of HP"};
  std::array<std::int16_t, 5> positions = {-1, -1, -1, -1, -1};
  std::vector<std::string> appends;
  int shows = 0;
  std::optional<int> failAt;

  void Choose(ArmourMaterial material, std::int16_t position) {
    positions[static_cast<std::size_t>(material)] = position;
  }
  std::string Script() const {
    std::string text;
    for (const auto& piece : appends) text += piece;
    return text;
  }

  std::string ReadField(ItemField field) override {
    Operation("txtfield", ControlInterface::TextBox, ControlOperation::ReadText);
    return fields[static_cast<std::size_t>(field)];
  }
  std::int16_t ReadPiecePosition(ArmourMaterial material) override {
    Operation("cbo", ControlInterface::PieceList, ControlOperation::ReadSelectedIndex);
    return positions[static_cast<std::size_t>(material)];
  }
  void AppendScriptText(std::string_view text) override {
    Operation("txtscript", ControlInterface::TextBox, ControlOperation::AppendText);
    appends.emplace_back(text);
  }
  void ShowScriptWindow() override {
    Operation("Form2", ControlInterface::ScriptWindow, ControlOperation::Show);
    ++shows;
  }

 private:
  int operations_ = 0;

  void Operation(std::string_view control, ControlInterface kind, ControlOperation operation) {
    if (++operations_ == failAt) throw ControlError(-5, {control, kind, operation});
  }
};

// Splits text written with CR LF line ends into its lines.
std::vector<std::string> Lines(const std::string& text);

}  // namespace armoursmith::testing
