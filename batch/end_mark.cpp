#include "end_mark.h"

#include <algorithm>

namespace armoursmith::batch {

std::optional<std::size_t> FindTextAfterEndMark(std::string_view script) {
  std::optional<std::size_t> mark;
  std::size_t number = 1;
  for (std::size_t start = 0; start <= script.size(); ++number) {
    const std::size_t end = std::min(script.find('\n', start), script.size());
    std::string_view line = script.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (!mark) {
      if (line == kEndMark) mark = number;
    } else if (line.find_first_not_of(" \t") != std::string_view::npos) {
      return mark;
    }
    start = end + 1;
  }
  return std::nullopt;
}

}  // namespace armoursmith::batch
