#pragma once

#include <optional>
#include <string_view>

namespace armoursmith::batch {

// What makes a cell unusable as the text of a field box, if anything: bytes that are not
// UTF-8 (overlong forms, surrogates and values past U+10FFFF included), or a character that
// breaks a line in the script box.
std::optional<std::string_view> CellFault(std::string_view cell);

}  // namespace armoursmith::batch
