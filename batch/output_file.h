#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace armoursmith::batch {

// Writes `text` as the whole content of the file at `path`, so that the file either stays as
// it was or holds all of `text`: the text goes to a new file beside it, which then takes its
// place, with the old file's permissions or, for a new one, the usual ones. A path that names
// something other than a regular file (a terminal, a pipe, /dev/null) is written directly.
// Gives the reason when that fails, having removed the new file again.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view text);

}  // namespace armoursmith::batch
