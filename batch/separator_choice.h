#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "record_splitter.h"
#include "table_sink.h"

namespace armoursmith::batch {

// Chooses the separator a table is read with from its header row: the first of comma,
// semicolon and tab with which the header names a Material and a Piece column (spreadsheets
// in many languages export with semicolons; "Unicode text" has tabs); comma when none does.
class SeparatorChoice {
 public:
  SeparatorChoice();
  SeparatorChoice(const SeparatorChoice&) = delete;
  SeparatorChoice& operator=(const SeparatorChoice&) = delete;

  // Reads the table's text from where it stopped until the choice is made; how many bytes of
  // `text` that took.
  std::size_t Feed(std::string_view text);
  // The end of the table, which decides the choice.
  void Finish();
  // The separator chosen, once the choice is made.
  std::optional<char> Separator() const;

 private:
  // Reads the header row with one separator; the first thing it finds decides. A problem only
  // tells that the separator does not fit: its words, which would name the encoding, go unread.
  struct Candidate : TableSink {
    explicit Candidate(char separator) : separator(separator), splitter(*this, separator, {}) {}
    Candidate(const Candidate&) = delete;  // its splitter reports to the candidate itself
    Candidate& operator=(const Candidate&) = delete;
    void Record(std::size_t line, std::span<const std::string> cells) override;
    void Problem(std::size_t line, std::string what) override;

    char separator;
    RecordSplitter splitter;
    std::optional<bool> fits;
  };

  std::array<Candidate, 3> candidates_;
  bool finished_ = false;
};

}  // namespace armoursmith::batch
