#include "separator_choice.h"

#include "table_columns.h"

namespace armoursmith::batch {

void SeparatorChoice::Candidate::Record(std::size_t /*line*/, std::span<const std::string> cells) {
  if (!fits) fits = NamesMaterialAndPiece(cells);
}

void SeparatorChoice::Candidate::Problem(std::size_t /*line*/, std::string /*what*/) {
  if (!fits) fits = false;
}

SeparatorChoice::SeparatorChoice() : candidates_{Candidate(','), Candidate(';'), Candidate('\t')} {}

std::size_t SeparatorChoice::Feed(std::string_view text) {
  // Byte by byte, so that no candidate reads past its header row and the choice comes as soon
  // as it can: only the bytes up to it are held for the table's own reading.
  for (std::size_t used = 0; used < text.size(); ++used) {
    if (Separator()) return used;
    for (Candidate& candidate : candidates_) {
      if (!candidate.fits) candidate.splitter.Feed(text.substr(used, 1));
    }
  }
  return text.size();
}

void SeparatorChoice::Finish() {
  for (Candidate& candidate : candidates_) {
    if (!candidate.fits) candidate.splitter.Finish();
  }
  finished_ = true;
}

std::optional<char> SeparatorChoice::Separator() const {
  for (const Candidate& candidate : candidates_) {
    if (candidate.fits.value_or(false)) return candidate.separator;
    // An earlier candidate still reading its header comes first.
    if (!candidate.fits && !finished_) return std::nullopt;
  }
  return ',';
}

}  // namespace armoursmith::batch
