#include "piece_catalogue.h"

#include <array>

namespace armoursmith {
namespace {

constexpr std::array<PieceEntry, 7> kPlatemail = {{
    {0, "Gorget", "i_platemail_gorget"},
    {1, "Tunic", "i_platemail_chest"},
    {2, "Sleeves", "i_platemail_arms"},
    {3, "Gauntlets", "i_platemail_gloves"},
    {4, "Leggings", "i_platemail_leggings"},
    {5, "Helmet", "i_platemail_helm"},
    {6, "Whole Set", std::nullopt},
}};

constexpr std::array<PieceEntry, 5> kRingmail = {{
    {0, "Tunic", "i_ringmail_tunic"},
    {1, "Sleeves", "i_ringmail_sleeves"},
    {2, "Gauntlets", "i_ringmail_gloves"},
    {3, "Leggings", "i_ringmail_leggings"},
    {4, "Whole Set", std::nullopt},
}};

constexpr std::array<PieceEntry, 4> kChainmail = {{
    {0, "Tunic", "i_chainmail_tunic"},
    {1, "Leggings", "i_chainmail_leggings"},
    {2, "Coif", "i_chainmail_coif"},
    {3, "Whole Set", std::nullopt},
}};

constexpr std::array<PieceEntry, 7> kLeather = {{
    {0, "Gorget", "i_leather_gorget"},
    {1, "Tunic", "i_leather_tunic"},
    {2, "Sleeves", "i_leather_sleeves"},
    {3, "Gauntlets", "i_leather_gloves"},
    {4, "Leggings", "i_leather_leggings"},
    {5, "Cap", "i_leather_cap"},
    {6, "Whole Set", std::nullopt},
}};

// Hard leather ids say "studded", not the caption's words.
constexpr std::array<PieceEntry, 6> kHardLeather = {{
    {0, "Gorget", "i_studded_gorget"},
    {1, "Tunic", "i_studded_tunic"},
    {2, "Sleeves", "i_studded_sleeves"},
    {3, "Gauntlets", "i_studded_gloves"},
    {4, "Leggings", "i_studded_leggings"},
    {5, "Whole Set", std::nullopt},
}};

// The list numbers do not follow the material order: cbo1 is Ringmail, cbo2 Platemail.
constexpr std::array<MaterialInfo, 5> kCatalogue = {{
    {ArmourMaterial::Platemail, "optplate", "Platemail", "cbo2", "Platemail Piece", kPlatemail},
    {ArmourMaterial::Ringmail, "optring", "Ringmail", "cbo1", "Ringmail Piece", kRingmail},
    {ArmourMaterial::Chainmail, "optchain", "Chainmail", "cbo3", "Chainmail Piece", kChainmail},
    {ArmourMaterial::Leather, "optleather", "Leather", "cbo4", "Leather Armor Piece", kLeather},
    {ArmourMaterial::HardLeather, "opthleather", "Hard Leather", "cbo5", "Hard Leather Piece",
     kHardLeather},
}};

}  // namespace

std::span<const MaterialInfo> PieceCatalogue() { return kCatalogue; }

const MaterialInfo& CatalogueEntry(ArmourMaterial material) {
  return kCatalogue[static_cast<std::size_t>(material)];
}

std::optional<std::string_view> BaseItemId(ArmourMaterial material, std::int16_t position) {
  const auto entries = CatalogueEntry(material).entries;
  if (position < 0 || static_cast<std::size_t>(position) >= entries.size()) return std::nullopt;
  return entries[static_cast<std::size_t>(position)].baseItemId;
}

std::int16_t WholeSetPosition(ArmourMaterial material) {
  return CatalogueEntry(material).entries.back().position;
}

}  // namespace armoursmith
