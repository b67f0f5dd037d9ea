#include "table_decoder.h"

#include <array>
#include <utility>

namespace armoursmith::batch {
namespace {

constexpr char kNoCharacter = '\xFF';  // a byte that UTF-8 text never holds

void AppendUtf8(std::string& text, char32_t character) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (character < 0x80) {
    text += byte(character);
  } else if (character < 0x800) {
    text += byte(0xC0 | character >> 6);
    text += byte(0x80 | (character & 0x3F));
  } else if (character < 0x10000) {
    text += byte(0xE0 | character >> 12);
    text += byte(0x80 | (character >> 6 & 0x3F));
    text += byte(0x80 | (character & 0x3F));
  } else {
    text += byte(0xF0 | character >> 18);
    text += byte(0x80 | (character >> 12 & 0x3F));
    text += byte(0x80 | (character >> 6 & 0x3F));
    text += byte(0x80 | (character & 0x3F));
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

void TableDecoder::Decode(std::string_view bytes) {
  // A mark may arrive split over several pieces; its bytes are held until it is complete or
  // proves to be the start of ordinary text.
  while (!encoding_ && !bytes.empty()) {
    DecideEncoding(bytes.front());
    bytes.remove_prefix(1);
  }
  if (bytes.empty()) return;
  if (encoding_ == Encoding::Utf8) return take_(bytes);
  TranscodeUtf16(bytes);
}

void TableDecoder::Finish() {
  if (!encoding_) {
    take_(markBytes_);  // the start of a mark that the table ends in is text
  } else if (heldByte_ || heldSurrogate_ != 0) {
    text_.assign(1, kNoCharacter);
    take_(text_);
  }
}

std::string_view TableDecoder::EncodingName() const {
  return encoding_ == Encoding::Utf8 || !encoding_ ? "UTF-8" : "UTF-16";
}

void TableDecoder::DecideEncoding(char byte) {
  struct Mark {
    std::string_view bytes;
    Encoding encoding;
  };
  static constexpr std::array kMarks = {
      Mark{"\xEF\xBB\xBF", Encoding::Utf8},
      Mark{"\xFF\xFE", Encoding::Utf16LittleEndian},
      Mark{"\xFE\xFF", Encoding::Utf16BigEndian},
  };
  markBytes_ += byte;
  bool stillAMark = false;
  for (const Mark& mark : kMarks) {
    if (mark.bytes == markBytes_) {
      encoding_ = mark.encoding;
      return;
    }
    stillAMark = stillAMark || mark.bytes.starts_with(markBytes_);
  }
  if (!stillAMark) {
    encoding_ = Encoding::Utf8;
    take_(markBytes_);
  }
}

void TableDecoder::TranscodeUtf16(std::string_view bytes) {
  text_.clear();
  for (const char byte : bytes) {
    if (!heldByte_) {
      heldByte_ = byte;
      continue;
    }
    const auto first = static_cast<unsigned char>(*heldByte_);
    const auto second = static_cast<unsigned char>(byte);
    heldByte_.reset();
    TakeUnit(static_cast<char16_t>(encoding_ == Encoding::Utf16LittleEndian ? second << 8 | first
                                                                            : first << 8 | second));
  }
  if (!text_.empty()) take_(text_);
}

void TableDecoder::TakeUnit(char16_t unit) {
  if (heldSurrogate_ != 0) {
    const char16_t high = std::exchange(heldSurrogate_, 0);
    if (IsLowSurrogate(unit)) {
      return AppendUtf8(text_, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
    }
    text_ += kNoCharacter;
  }
  if (IsHighSurrogate(unit)) {
    heldSurrogate_ = unit;
  } else if (IsLowSurrogate(unit)) {
    text_ += kNoCharacter;
  } else {
    AppendUtf8(text_, unit);
  }
}

}  // namespace armoursmith::batch
