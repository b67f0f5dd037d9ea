#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace armoursmith::batch {

// Why a script file's bytes are no text for the script window.
enum class ScriptFileFault {
  NotUtf8,  // bytes that are not UTF-8 (a file saved in another encoding)
  NulByte,  // a byte 0, which no text holds
};

// A script file's bytes as the script window takes them.
struct ScriptFileText {
  std::string text;  // UTF-8, each line break one LF; empty when there is a fault
  std::optional<ScriptFileFault> fault;
  std::size_t faultLine = 0;  // from 1, counting the line breaks as the window shows them
};

// Decodes UTF-8, with or without a byte-order mark. CR LF, LF and CR each become one LF, and so
// do the other characters the script window takes as line breaks, so that the window shows the
// lines the file has; saving writes every one as CR LF. The first fault refuses the whole file.
ScriptFileText DecodeScriptFile(std::string_view bytes);

}  // namespace armoursmith::batch
