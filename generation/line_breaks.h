#pragma once

#include <algorithm>
#include <array>

namespace armoursmith {

// Every character that ends a line or a paragraph in the script box: carriage return, line
// feed, the line and paragraph separators, and the two frame markers the box's text document
// takes as paragraph breaks. A value holding one would split its key=value line in two, so no
// field value may hold any of them.
inline constexpr std::array<char32_t, 6> kLineBreakCharacters = {
    U'\r', U'\n', U'\u2028', U'\u2029', U'\uFDD0', U'\uFDD1',
};

constexpr bool IsLineBreak(char32_t character) {
  return std::ranges::find(kLineBreakCharacters, character) != kLineBreakCharacters.end();
}

}  // namespace armoursmith
