#pragma once

#include <cstddef>

namespace armoursmith {

// The most text one drop or opening of tables, or one script file opened, may put into the
// script window. The window keeps every line of its text in its own structures; 16 MiB of
// script (some 9,000 whole sets) is far beyond any server's item file and still takes a few
// seconds to add. Larger outputs belong in a file.
inline constexpr std::size_t kScriptTextLimit = std::size_t{16} << 20;

}  // namespace armoursmith
