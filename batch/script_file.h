#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace armoursmith::batch {

// A script file read for the script window: its text (see DecodeScriptFile), or why it was
// refused.
struct ScriptFileReading {
  std::string text;
  // "FILE: what is wrong", or "FILE:LINE: what is wrong" for the first bad line.
  std::optional<std::string> problem;
};

// Reads the script file at `path` (UTF-8). A file of more than `limit` bytes, more than the
// script window takes in one go, is refused unread.
ScriptFileReading ReadScriptFile(const std::string& path, std::size_t limit);

// Makes `bytes` the whole content of the file at `path` (UTF-8), as `--batch -o` writes its
// output: whole or not at all, through a symbolic link, keeping the file's permissions. Gives
// the system's reason when it cannot.
std::optional<std::string> WriteScriptFile(const std::string& path, std::string_view bytes);

}  // namespace armoursmith::batch
