#pragma once

#include <filesystem>
#include <string>

namespace armoursmith::batch {

// The file system path named by `utf8`. On Windows its native form is UTF-16, which the
// wide functions take whatever the ANSI code page; elsewhere it is the bytes themselves.
inline std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::u8string(utf8.begin(), utf8.end());
}

}  // namespace armoursmith::batch
