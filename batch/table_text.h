#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace armoursmith::batch {

// What a table gives the script window: the text `armoursmith --batch` writes for it, or the
// lines it prints when it refuses the table.
struct TableText {
  std::string text;
  // "TABLE:LINE: what is wrong", as the batch run prints them; none for a sound table.
  std::vector<std::string> problems;
};

// Reads the table at `path` (UTF-8). A text of more than `limit` bytes, the room the script
// window has left for it, is refused as well, with a problem that points to writing it to a
// file with --batch instead.
TableText ReadTableText(const std::string& path, std::size_t limit);

}  // namespace armoursmith::batch
