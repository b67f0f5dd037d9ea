#include "table_reader.h"

namespace armoursmith::batch {

void TableReader::Finish() {
  decoder_.Finish();
  if (!splitter_) {
    Choice().Finish();
    StartSplitting(*Choice().Separator());
  }
  splitter_->Finish();
}

void TableReader::Take(std::string_view text) {
  if (!splitter_) {
    const std::size_t used = Choice().Feed(text);
    header_.append(text.substr(0, used));
    const auto separator = Choice().Separator();
    if (!separator) return;
    StartSplitting(*separator);
    text.remove_prefix(used);
  }
  splitter_->Feed(text);
}

SeparatorChoice& TableReader::Choice() {
  if (!choice_) choice_.emplace(decoder_.EncodingName());
  return *choice_;
}

void TableReader::StartSplitting(char separator) {
  splitter_.emplace(sink_, separator, decoder_.EncodingName());
  splitter_->Feed(header_);
  std::string().swap(header_);
  choice_.reset();
}

}  // namespace armoursmith::batch
