#include "cell_check.h"

#include <cstddef>

#include "line_breaks.h"
#include "utf8_character.h"

namespace armoursmith::batch {

std::optional<CellFault> FindCellFault(std::string_view cell) {
  for (std::size_t at = 0; at < cell.size();) {
    const char32_t character = DecodeUtf8Character(cell, at);
    if (character == kNotUtf8) return CellFault::NotUtf8;
    if (IsLineBreak(character)) return CellFault::LineBreak;
  }
  return std::nullopt;
}

}  // namespace armoursmith::batch
