#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record_splitter.h"
#include "separator_choice.h"
#include "table_decoder.h"
#include "table_sink.h"

namespace armoursmith::batch {

// Reads a table as spreadsheets export it, as it arrives, in pieces of any size: decodes it
// (TableDecoder), chooses its separator from the header row (SeparatorChoice) and splits it
// into records (RecordSplitter), which go to `sink`. Only the bytes up to the separator's
// choice and the current record are kept.
class TableReader {
 public:
  explicit TableReader(TableSink& sink)
      : sink_(sink), decoder_([this](std::string_view text) { Take(text); }) {}
  TableReader(const TableReader&) = delete;  // its decoder hands text to the reader itself
  TableReader& operator=(const TableReader&) = delete;

  void Feed(std::string_view bytes) { decoder_.Decode(bytes); }
  // The end of the input: passes on a last record that has no line end.
  void Finish();

 private:
  void Take(std::string_view text);
  void StartSplitting(char separator);

  TableSink& sink_;
  TableDecoder decoder_;
  std::optional<SeparatorChoice> choice_{std::in_place};  // until the separator is chosen
  // Made once it is, when the decoder knows the encoding too, which its messages name.
  std::optional<RecordSplitter> splitter_;
  std::string header_;  // the text read until the separator is chosen
};

}  // namespace armoursmith::batch
