#include "form1_handlers.h"

#include <QCoreApplication>
#include <array>

#include "form1_layout.h"
#include "window_controls.h"

namespace armoursmith {
namespace {

// The piece lists by control name, cbo1 to cbo5.
constexpr std::array kListsInNameOrder = {
    ArmourMaterial::Ringmail, ArmourMaterial::Platemail,   ArmourMaterial::Chainmail,
    ArmourMaterial::Leather,  ArmourMaterial::HardLeather,
};

// Reset writes the upper hit-point bound before the lower one.
constexpr std::array kResetOrder = {
    ItemField::Id,          ItemField::Defname, ItemField::Name,   ItemField::Weight,
    ItemField::Armour,      ItemField::StrReq,  ItemField::DexReq, ItemField::IntReq,
    ItemField::Description, ItemField::Color,   ItemField::MaxHp,  ItemField::MinHp,
};

}  // namespace

void SelectMaterial(WindowControls& controls, ArmourMaterial material) {
  for (const ArmourMaterial list : kListsInNameOrder) {
    controls.WritePieceListVisible(list, list == material);
  }
}

void ResetFields(WindowControls& controls) {
  for (const ItemField field : kResetOrder) {
    controls.WriteField(field, form1::kFieldBoxes[static_cast<std::size_t>(field)].resetText);
  }
  controls.ClearScriptText();
  SelectMaterial(controls, ArmourMaterial::Platemail);
  controls.WriteOptionButtonOn(ArmourMaterial::Platemail);
}

void ExitProgram() { QCoreApplication::exit(0); }

}  // namespace armoursmith
