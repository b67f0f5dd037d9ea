#include "row_controls.h"

#include "field_prompts.h"

namespace armoursmith::batch {

std::string RowControls::ReadField(ItemField field) {
  const auto column = columns_.fields[static_cast<std::size_t>(field)];
  return column ? cells_[*column] : std::string(FieldPrompt(field));
}

std::int16_t RowControls::ReadPiecePosition(ArmourMaterial material) {
  return material == material_ ? position_ : std::int16_t{-1};
}

}  // namespace armoursmith::batch
