#pragma once

#include <string_view>

namespace armoursmith::batch {

// Compares without regard to case, folding only the ASCII letters A to Z. Every name a table
// is matched against (columns, materials, pieces) is plain ASCII, so nothing else could
// match anyway.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace armoursmith::batch
