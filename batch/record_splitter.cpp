#include "record_splitter.h"

#include <algorithm>
#include <span>
#include <utility>

#include "cell_check.h"

namespace armoursmith::batch {
namespace {

std::string CellName(std::size_t index) { return "cell " + std::to_string(index + 1); }

}  // namespace

void RecordSplitter::Feed(std::string_view text) {
  for (const char byte : text) Take(byte);
}

void RecordSplitter::Finish() {
  switch (state_) {
    case State::Quoted:
      sink_.Problem(cellLine_, CellName(cellCount_) + ": its opening quote is never closed");
      return;
    case State::SkipLine:
      return;
    case State::AfterCr:
      if (cellQuoted_) return Refuse(CellName(cellCount_) + ": text after its closing quote");
      Cell().push_back('\r');  // a carriage return that ends no line; the cell check refuses it
      break;
    case State::CellStart:
      if (!recordStarted_) return;
      break;
    case State::Unquoted:
    case State::QuoteInQuoted:
      break;
  }
  EndCell();
  EndRecord();
}

void RecordSplitter::Take(char byte) {
  if (state_ != State::SkipLine) recordStarted_ = true;
  switch (state_) {
    case State::CellStart:
      if (byte == '"') {
        cellQuoted_ = true;
        state_ = State::Quoted;
        return;
      }
      state_ = State::Unquoted;
      [[fallthrough]];
    case State::Unquoted:
      if (byte == '"') return Refuse(CellName(cellCount_) + ": a quote inside an unquoted cell");
      break;
    case State::Quoted:
      if (byte == '"') {
        state_ = State::QuoteInQuoted;
      } else {
        if (byte == '\n') ++line_;
        Cell().push_back(byte);  // a line break in a quoted cell is refused at its end
      }
      return;
    case State::QuoteInQuoted:
      if (byte == '"') {
        Cell().push_back('"');
        state_ = State::Quoted;
        return;
      }
      if (byte != separator_ && byte != '\r' && byte != '\n') {
        return Refuse(CellName(cellCount_) + ": text after its closing quote");
      }
      break;
    case State::AfterCr:
      return TakeAfterCr(byte);
    case State::SkipLine:
      if (byte == '\n') {
        ++line_;
        StartRecord();
      }
      return;
  }
  // Outside quotes, in an unquoted cell or after a closing quote.
  if (byte == separator_) {
    EndCell();
  } else if (byte == '\r') {
    state_ = State::AfterCr;
  } else if (byte == '\n') {
    EndCell();
    ++line_;
    EndRecord();
  } else {
    Cell().push_back(byte);
  }
}

void RecordSplitter::TakeAfterCr(char byte) {
  if (byte == '\n') {
    EndCell();
    ++line_;
    EndRecord();
  } else if (cellQuoted_) {
    Refuse(CellName(cellCount_) + ": text after its closing quote");
  } else {
    Cell().push_back('\r');  // a carriage return that ends no line; the cell check refuses it
    state_ = State::Unquoted;
    Take(byte);
  }
}

void RecordSplitter::EndCell() {
  if (const auto fault = FindCellFault(Cell())) {
    if (fault == CellFault::LineBreak) {
      sink_.Problem(cellLine_, CellName(cellCount_) + " holds a line break");
    } else if (!std::exchange(encodingReported_, true)) {
      sink_.Problem(cellLine_, CellName(cellCount_) + " is not " + std::string(encoding_) +
                                   "; save the table as \"CSV UTF-8\" or \"Unicode text\"");
    }
    recordFaulty_ = true;
  }
  if (++cellCount_ == cells_.size()) cells_.emplace_back();
  Cell().clear();
  cellQuoted_ = false;
  cellLine_ = line_;
  state_ = State::CellStart;
}

void RecordSplitter::EndRecord() {
  const auto cells = std::span(cells_).first(cellCount_);
  if (!recordFaulty_ &&
      !std::ranges::all_of(cells, [](const std::string& cell) { return cell.empty(); })) {
    sink_.Record(recordLine_, cells);
  }
  StartRecord();
}

void RecordSplitter::StartRecord() {
  cellCount_ = 0;
  cells_.front().clear();
  recordLine_ = cellLine_ = line_;
  recordStarted_ = recordFaulty_ = cellQuoted_ = false;
  state_ = State::CellStart;
}

void RecordSplitter::Refuse(std::string what) {
  sink_.Problem(line_, std::move(what));
  state_ = State::SkipLine;
}

}  // namespace armoursmith::batch
