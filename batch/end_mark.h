#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace armoursmith::batch {

// The line that ends a script file for a server: what follows it is never read. The
// Platemail, Leather and Hard Leather sets end with it.
inline constexpr std::string_view kEndMark = "[EOF]";

// Why text after the mark is a mistake, in the words of every warning about it.
inline constexpr std::string_view kServerStopsAtEndMark =
    "a server stops reading a script file at \"[EOF]\"";

// The number, from 1, of the first line of `script` that is exactly "[EOF]" and has text
// after it: a character other than a space, a tab or a line end, which the server will never
// read. Lines end with LF or CR LF.
std::optional<std::size_t> FindTextAfterEndMark(std::string_view script);

}  // namespace armoursmith::batch
