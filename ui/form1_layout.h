#pragma once

#include <array>
#include <string_view>

#include "armour_material.h"
#include "item_fields.h"
#include "twips.h"

namespace armoursmith::form1 {

// The main window's fixed layout in twips. Controls inside a frame are placed relative to
// the frame; tab indices decide the keyboard order.

inline constexpr int kClientWidth = 6180;
inline constexpr int kClientHeight = 6915;
inline constexpr std::string_view kCaption = "Admin Harnwright";

enum class Frame { Mods, PieceOfArmour, Types, ReqStats };

// Frames take no focus, so they have no place in the tab order.
struct FrameLayout {
  Frame frame;
  std::string_view name;
  std::string_view caption;
  TwipsRect rect;
};

inline constexpr std::array<FrameLayout, 4> kFrames = {{
    {Frame::Mods, "Frame1", "Mods of Armor", {3120, 120, 2895, 5655}},
    {Frame::PieceOfArmour, "Frame2", "Piece of Armour", {3120, 5880, 2895, 855}},
    {Frame::Types, "Frame3", "Types Of Armour", {120, 120, 2895, 3015}},
    {Frame::ReqStats, "Frame4", "Req Stats", {120, 3240, 2895, 1935}},
}};

enum class Button { Go, WholeSet, Exit, Reset };

struct ButtonLayout {
  Button button;
  std::string_view name;
  std::string_view caption;
  std::string_view accessibleName;
  TwipsRect rect;
  int tabIndex;
};

inline constexpr std::array<ButtonLayout, 4> kButtons = {{
    {Button::Go, "cmdgo", "MAKE SCRIPT!!!", "Make script", {120, 5280, 2895, 375}, 11},
    {Button::WholeSet,
     "cmdwholeset",
     "MAKE A WHOLE SET!!!",
     "Make a whole set",
     {120, 5760, 2895, 375},
     29},
    {Button::Exit, "cmdexit", "Exit", "Exit", {120, 6240, 1455, 495}, 9},
    {Button::Reset, "cmdreset", "Reset", "Reset", {1680, 6240, 1335, 495}, 10},
}};

// Single-line boxes, all at Left 240 in their frame and 375 high. A box shows its field's
// prompt (FieldPrompt) at start; Reset writes `resetText`, which differs only for the armour box.
struct FieldBoxLayout {
  ItemField field;
  std::string_view name;
  Frame frame;
  std::string_view resetText;
  std::string_view accessibleName;
  int top;
  int width;
  int tabIndex;
};

inline constexpr int kFieldBoxLeft = 240;
inline constexpr int kFieldBoxHeight = 375;

inline constexpr std::array<FieldBoxLayout, kItemFieldCount> kFieldBoxes = {{
    {ItemField::Id, "txtid", Frame::Mods, "Itemdef", "Item definition id", 240, 2415, 1},
    {ItemField::Defname, "txtdef", Frame::Mods, "Defname", "Defname", 840, 2415, 2},
    {ItemField::Name, "txtname", Frame::Mods, "Name", "Display name", 1440, 2415, 3},
    {ItemField::Weight, "txtweight", Frame::Mods, "Weight", "Weight", 2040, 2415, 4},
    {ItemField::Armour, "txtarmour", Frame::Mods, "Armor", "Armour value", 2640, 2415, 5},
    {ItemField::StrReq, "txtstr", Frame::ReqStats, "StrReq", "Strength requirement", 360, 2175, 24},
    {ItemField::DexReq, "txtdex", Frame::ReqStats, "DexReq", "Dexterity requirement", 840, 2175,
     25},
    {ItemField::IntReq, "txtint", Frame::ReqStats, "IntReq", "Intelligence requirement", 1320, 2175,
     26},
    {ItemField::Description, "txtdesc", Frame::Mods, "Description", "Description", 3240, 2415, 6},
    {ItemField::Color, "txtcolor", Frame::Mods, "Color", "Colour", 3840, 2415, 7},
    {ItemField::MinHp, "txtminhp", Frame::Mods, "Hp", "Lowest hit points", 4440, 2415, 27},
    {ItemField::MaxHp, "txtmaxhp", Frame::Mods, "Out of HP", "Highest hit points", 5040, 2415, 28},
}};

// The boxes are listed in ItemField order, so that a field's box is found by its number.
static_assert([] {
  for (std::size_t i = 0; i < kFieldBoxes.size(); ++i) {
    if (kFieldBoxes[i].field != kAllItemFields[i]) {
      return false;
    }
  }
  return true;
}());

// Option buttons in the Types frame, at Left 120 and 2535 wide. Their rectangles as drawn
// overlap, so each gets the plain button height centred on its own caption line instead.
struct OptionLayout {
  ArmourMaterial material;
  int top;
  int height;
  int tabIndex;
};

inline constexpr int kOptionLeft = 120;
inline constexpr int kOptionWidth = 2535;
inline constexpr int kOptionHeight = 375;

inline constexpr std::array<OptionLayout, 5> kOptions = {{
    {ArmourMaterial::Platemail, 360, 375, 18},
    {ArmourMaterial::Ringmail, 720, 615, 19},
    {ArmourMaterial::Chainmail, 1200, 615, 20},
    {ArmourMaterial::Leather, 1560, 855, 21},
    {ArmourMaterial::HardLeather, 2280, 495, 22},
}};

// The five piece lists lie on one spot of the Piece of Armour frame.
inline constexpr TwipsRect kPieceListRect = {240, 360, 2295, 315};

struct PieceListLayout {
  ArmourMaterial material;
  int tabIndex;
};

inline constexpr std::array<PieceListLayout, 5> kPieceLists = {{
    {ArmourMaterial::Platemail, 12},
    {ArmourMaterial::Ringmail, 13},
    {ArmourMaterial::Chainmail, 14},
    {ArmourMaterial::Leather, 15},
    {ArmourMaterial::HardLeather, 16},
}};

}  // namespace armoursmith::form1
