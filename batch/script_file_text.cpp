#include "script_file_text.h"

#include "line_breaks.h"
#include "utf8_character.h"

namespace armoursmith::batch {

ScriptFileText DecodeScriptFile(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  ScriptFileText decoded;
  decoded.text.reserve(bytes.size());
  std::size_t line = 1;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t start = at;
    const char32_t character = DecodeUtf8Character(bytes, at);
    if (character == kNotUtf8 || character == 0) {
      return {.text = {},
              .fault = character == 0 ? ScriptFileFault::NulByte : ScriptFileFault::NotUtf8,
              .faultLine = line};
    }
    if (!IsLineBreak(character)) {
      decoded.text.append(bytes.substr(start, at - start));
      continue;
    }
    if (character == U'\r' && at < bytes.size() && bytes[at] == '\n') ++at;
    decoded.text += '\n';
    ++line;
  }
  return decoded;
}

}  // namespace armoursmith::batch
