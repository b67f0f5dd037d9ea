#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "item_fields.h"

namespace armoursmith::batch {

// Where a table holds what: the cell positions of its columns; a field column it leaves out
// has none.
struct TableColumns {
  std::size_t count = 0;
  std::size_t material = 0;
  std::size_t piece = 0;
  std::array<std::optional<std::size_t>, kItemFieldCount> fields;
};

// Whether a header row names the two columns every table needs, Material and Piece, matched
// without regard to ASCII case.
bool NamesMaterialAndPiece(std::span<const std::string> names);

// Reads the header row. Column names are matched without regard to ASCII case, in any order:
// Material, Piece and the twelve field prompts. A header without Material and Piece is one
// problem, which names the columns a table may have; otherwise an unknown or repeated name is
// one problem each. Problems are passed to `problem`; then there are no columns.
std::optional<TableColumns> ReadHeader(std::span<const std::string> names,
                                       const std::function<void(std::string)>& problem);

}  // namespace armoursmith::batch
