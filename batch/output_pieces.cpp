#include "output_pieces.h"

#include <utility>

namespace armoursmith::batch {

OutputPieces::OutputPieces(std::function<void(std::string_view)> write) : write_(std::move(write)) {
  piece_.reserve(kPieceSize);
}

void OutputPieces::Append(std::string_view text) {
  // A text longer than a piece (a row with very long cells) makes a longer piece.
  if (piece_.size() + text.size() > kPieceSize) Flush();
  piece_.append(text);
}

void OutputPieces::Flush() {
  if (piece_.empty()) return;
  write_(piece_);
  piece_.clear();
}

}  // namespace armoursmith::batch
