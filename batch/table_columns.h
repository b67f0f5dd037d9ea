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

// Reads the header row. Column names are matched without regard to ASCII case, in any order:
// Material, Piece and the twelve field prompts. An unknown or repeated name and a missing
// Material or Piece column are each one problem, passed to `problem`; then there are no
// columns.
std::optional<TableColumns> ReadHeader(std::span<const std::string> names,
                                       const std::function<void(std::string)>& problem);

}  // namespace armoursmith::batch
