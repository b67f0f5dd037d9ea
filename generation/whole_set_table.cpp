#include "whole_set_table.h"

#include <array>

namespace armoursmith {
namespace {

constexpr std::array<WholeSetPiece, 6> kPlatemail = {{
    {"Leggings", "i_platemail_leggings"},
    {"Arms", "i_platemail_arms"},
    {"Helm", "i_platemail_helm"},
    {"Chest", "i_platemail_chest"},
    {"Gloves", "i_platemail_gloves"},
    {"Gorget", "i_platemail_gorget"},
}};

constexpr std::array<WholeSetPiece, 4> kRingmail = {{
    {"Leggings", "i_ringmail_leggings"},
    {"Sleeves", "i_ringmail_Sleeves"},
    {"Gloves", "i_ringmail_Gloves"},
    {"Tunic", "i_ringmail_Tunic"},
}};

constexpr std::array<WholeSetPiece, 3> kChainmail = {{
    {"Tunic", "i_chainmail_Tunic"},
    {"Leggings", "i_chainmail_leggings"},
    {"Coif", "i_chainmail_Coif"},
}};

constexpr std::array<WholeSetPiece, 6> kLeather = {{
    {"Leggings", "i_leather_leggings"},
    {"Sleeves", "i_leather_Sleeves"},
    {"Cap", "i_leather_Cap"},
    {"Tunic", "i_leather_Tunic"},
    {"Gloves", "i_leather_gloves"},
    {"Gorget", "i_leather_gorget"},
}};

constexpr std::array<WholeSetPiece, 5> kHardLeather = {{
    {"Leggings", "i_studded_leggings"},
    {"Sleeves", "i_studded_Sleeves"},
    {"Tunic", "i_studded_Tunic"},
    {"Gloves", "i_studded_gloves"},
    {"Gorget", "i_studded_gorget"},
}};

constexpr std::array<WholeSetRow, 5> kTable = {{
    {ArmourMaterial::Platemail, kPlatemail, true},
    {ArmourMaterial::Ringmail, kRingmail, false},
    {ArmourMaterial::Chainmail, kChainmail, false},
    {ArmourMaterial::Leather, kLeather, true},
    {ArmourMaterial::HardLeather, kHardLeather, true},
}};

}  // namespace

std::span<const WholeSetRow> WholeSetTable() { return kTable; }

}  // namespace armoursmith
