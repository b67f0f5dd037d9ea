#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "table_sink.h"

namespace armoursmith::batch {

// Splits UTF-8 text into records of cells as it arrives, in pieces of any size, keeping only
// the current record. Cells are separated by `separator` and quoted as in RFC 4180 (a quoted
// cell may hold separators and doubled quotes); lines end in LF or CR LF. Where that format
// leaves input ambiguous the splitter refuses it: a quote inside an unquoted cell, text after
// a closing quote, a quote never closed. Every cell must be free of faults (FindCellFault);
// text that is not in the table's encoding, `encoding`, is reported once, with the cure, since
// then the whole table is. After a problem outside quotes the rest of that line is skipped. A
// record whose cells are all empty (an empty line, or an empty row of a spreadsheet) is
// skipped; line numbers still count it.
class RecordSplitter {
 public:
  RecordSplitter(TableSink& sink, char separator, std::string_view encoding)
      : sink_(sink), separator_(separator), encoding_(encoding) {}

  void Feed(std::string_view text);
  // The end of the input: passes on a last record that has no line end.
  void Finish();

 private:
  enum class State { CellStart, Unquoted, Quoted, QuoteInQuoted, AfterCr, SkipLine };

  void Take(char byte);
  void TakeAfterCr(char byte);
  void EndCell();
  void EndRecord();
  void StartRecord();
  void Refuse(std::string what);
  std::string& Cell() { return cells_[cellCount_]; }

  TableSink& sink_;
  char separator_;
  std::string_view encoding_;
  bool encodingReported_ = false;
  State state_ = State::CellStart;
  std::size_t line_ = 1;
  std::size_t recordLine_ = 1;
  std::size_t cellLine_ = 1;
  bool recordStarted_ = false;
  bool recordFaulty_ = false;
  bool cellQuoted_ = false;
  // Cells are kept between records and only cleared, so their buffers are reused.
  std::vector<std::string> cells_{1};
  std::size_t cellCount_ = 0;
};

}  // namespace armoursmith::batch
