#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace armoursmith::batch {

// Turns a table's bytes into UTF-8 text as they arrive, in pieces of any size, and hands the
// text on to `take`. The first bytes decide the encoding: a UTF-16 byte-order mark, little or
// big endian, makes the rest UTF-16, which is transcoded; a UTF-8 mark is dropped; anything
// else is passed on as it stands, for the cell check to find what is not UTF-8. In UTF-16, a
// code unit that is no character (a lone surrogate, an odd last byte) becomes a byte that
// UTF-8 never has, so that its cell is refused too.
class TableDecoder {
 public:
  explicit TableDecoder(std::function<void(std::string_view)> take) : take_(std::move(take)) {}

  void Decode(std::string_view bytes);
  // The end of the input: passes on what is still held.
  void Finish();
  // "UTF-8" or "UTF-16"; decided once the first text has been passed on.
  std::string_view EncodingName() const;

 private:
  enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

  void DecideEncoding(char byte);
  void TranscodeUtf16(std::string_view bytes);
  void TakeUnit(char16_t unit);

  std::function<void(std::string_view)> take_;
  std::optional<Encoding> encoding_;
  // The first bytes, while they may still be a byte-order mark.
  std::string markBytes_;
  std::optional<char> heldByte_;  // the first byte of a UTF-16 code unit
  char16_t heldSurrogate_ = 0;    // a high surrogate waiting for its low one
  std::string text_;              // transcoded UTF-16, reused for every piece
};

}  // namespace armoursmith::batch
