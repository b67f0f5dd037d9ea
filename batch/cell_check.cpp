#include "cell_check.h"

#include <cstddef>

#include "line_breaks.h"

namespace armoursmith::batch {
namespace {

constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// Decodes the character at `at` and moves past it; kNotUtf8 for a malformed sequence. The
// continuation bytes lie in 80 to BF; the narrower range of the second byte rules out overlong
// forms, surrogates and values past U+10FFFF.
char32_t Decode(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int more = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  char32_t value = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    more = 1;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    more = 2;
    value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    more = 3;
    value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return kNotUtf8;
  }
  for (int i = 0; i < more; ++i, low = 0x80, high = 0xBF) {
    if (at == text.size()) return kNotUtf8;
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < low || byte > high) return kNotUtf8;
    value = (value << 6) | (byte & 0x3F);
    ++at;
  }
  return value;
}

}  // namespace

std::optional<CellFault> FindCellFault(std::string_view cell) {
  for (std::size_t at = 0; at < cell.size();) {
    const char32_t character = Decode(cell, at);
    if (character == kNotUtf8) return CellFault::NotUtf8;
    if (IsLineBreak(character)) return CellFault::LineBreak;
  }
  return std::nullopt;
}

}  // namespace armoursmith::batch
