#pragma once

#include <cstddef>
#include <string_view>

namespace armoursmith::batch {

// What DecodeUtf8Character gives for bytes that are not UTF-8.
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// Decodes the character that starts at `at` (before the end of `text`) and moves `at` past
// it; kNotUtf8 for a malformed sequence: overlong forms, surrogates and values past U+10FFFF
// included.
char32_t DecodeUtf8Character(std::string_view text, std::size_t& at);

}  // namespace armoursmith::batch
