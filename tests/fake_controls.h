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

  FakeControls& Choose(ArmourMaterial material, std::int16_t position) {
    positions[static_cast<std::size_t>(material)] = position;
    return *this;
  }
  std::string Script() const;

  std::string ReadField(ItemField field) override {
    Count();
    return fields[static_cast<std::size_t>(field)];
  }
  std::int16_t ReadPiecePosition(ArmourMaterial material) override {
    Count();
    return positions[static_cast<std::size_t>(material)];
  }
  void AppendScriptText(std::string_view text) override {
    Count();
    appends.emplace_back(text);
  }
  void ShowScriptWindow() override {
    Count();
    ++shows;
  }

 private:
  int operations_ = 0;
  void Count();
};

// Splits text written with CR LF line ends into its lines.
std::vector<std::string> Lines(const std::string& text);

}  // namespace armoursmith::testing
