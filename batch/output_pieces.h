#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "output_sink.h"

namespace armoursmith::batch {

// Gathers the text into pieces of about kPieceSize bytes and hands each to `write` as it
// fills: a long output is written in few large writes and never held whole.
class OutputPieces : public OutputSink {
 public:
  static constexpr std::size_t kPieceSize = 65536;

  explicit OutputPieces(std::function<void(std::string_view)> write);

  void Append(std::string_view text) override;
  // Hands on the last piece, however small.
  void Flush();

 private:
  std::function<void(std::string_view)> write_;
  std::string piece_;
};

}  // namespace armoursmith::batch
