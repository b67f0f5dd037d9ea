#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "armour_material.h"

namespace armoursmith {

// One entry of a piece list. Only the last entry, "Whole Set", has no base item id.
struct PieceEntry {
  std::int16_t position;
  std::string_view label;
  std::optional<std::string_view> baseItemId;
};

// A material with its option button, its piece list and that list's entries.
struct MaterialInfo {
  ArmourMaterial material;
  std::string_view optionButton;
  std::string_view caption;
  std::string_view pieceList;
  std::string_view defaultText;
  std::span<const PieceEntry> entries;
};

// The fixed catalogue, one row per material in ArmourMaterial order.
std::span<const MaterialInfo> PieceCatalogue();
const MaterialInfo& CatalogueEntry(ArmourMaterial material);

// The id a single-piece block writes for the entry at `position`; none for -1, for
// "Whole Set" and for positions the list does not have.
std::optional<std::string_view> BaseItemId(ArmourMaterial material, std::int16_t position);

// Position of the material's last entry, "Whole Set".
std::int16_t WholeSetPosition(ArmourMaterial material);

}  // namespace armoursmith
