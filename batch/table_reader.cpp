#include "table_reader.h"

namespace armoursmith::batch {

void TableReader::Finish() {
  decoder_.Finish();
  if (!splitter_) {
    choice_->Finish();
    StartSplitting(*choice_->Separator());
  }
  splitter_->Finish();
}

void TableReader::Take(std::string_view text) {
  if (!splitter_) {
    const std::size_t used = choice_->Feed(text);
    header_.append(text.substr(0, used));
    const auto separator = choice_->Separator();
    if (!separator) return;
    StartSplitting(*separator);
    text.remove_prefix(used);
  }
  splitter_->Feed(text);
}

void TableReader::StartSplitting(char separator) {
  splitter_.emplace(sink_, separator, decoder_.EncodingName());
  splitter_->Feed(header_);
  std::string().swap(header_);
  choice_.reset();
}

}  // namespace armoursmith::batch
