#include "utf8_character.h"

namespace armoursmith::batch {

// The continuation bytes lie in 80 to BF; the narrower range of the second byte rules out
// overlong forms, surrogates and values past U+10FFFF.
char32_t DecodeUtf8Character(std::string_view text, std::size_t& at) {
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

}  // namespace armoursmith::batch
