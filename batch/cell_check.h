#pragma once

#include <optional>
#include <string_view>

namespace armoursmith::batch {

// What makes a cell unusable as the text of a field box.
enum class CellFault {
  NotUtf8,    // bytes that are not UTF-8: overlong forms, surrogates and values past U+10FFFF too
  LineBreak,  // a character that breaks a line in the script box
};

// The first fault of the cell, if it has one.
std::optional<CellFault> FindCellFault(std::string_view cell);

}  // namespace armoursmith::batch
