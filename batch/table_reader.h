#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace armoursmith::batch {

// Receives what a TableReader finds, in the order of the input.
class TableSink {
 public:
  virtual ~TableSink() = default;
  // A record whose cells are all sound; `line` is the line it starts on, counted from 1.
  virtual void Record(std::size_t line, std::span<const std::string> cells) = 0;
  // Something that makes a record unusable; such a record is not passed on.
  virtual void Problem(std::size_t line, std::string what) = 0;
};

// Splits comma-separated text into records of cells as it arrives, in pieces of any size,
// keeping only the current record. Quoting follows RFC 4180 (a quoted cell may hold commas
// and doubled quotes); lines end in LF or CR LF; a UTF-8 byte-order mark at the start is
// skipped. Where that format leaves input ambiguous the reader refuses it: a quote inside an
// unquoted cell, text after a closing quote, a quote never closed. Every cell must pass
// CellFault. After a problem outside quotes the rest of that line is skipped.
class TableReader {
 public:
  explicit TableReader(TableSink& sink) : sink_(sink) {}

  void Feed(std::string_view bytes);
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
  State state_ = State::CellStart;
  std::size_t bomBytesSeen_ = 0;
  bool bomDecided_ = false;
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
