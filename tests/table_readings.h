#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "batch_run.h"
#include "bounded_text.h"
#include "table_reader.h"

namespace armoursmith::batch {

// Reads the table into `sink` in pieces of `piece` bytes.
inline void Read(TableSink& sink, std::string_view table, std::size_t piece) {
  TableReader reader(sink);
  for (std::size_t at = 0; at < table.size(); at += piece) reader.Feed(table.substr(at, piece));
  reader.Finish();
}

// Reads the table into `run` in pieces of `piece` bytes and finishes the run.
inline void Read(BatchRun& run, std::string_view table, std::size_t piece) {
  Read(static_cast<TableSink&>(run), table, piece);
  run.Finish();
}

// A table read every way --batch could read it: whole and one byte at a time, each once only
// checking it and once writing its text. The tests and the fuzz target hold that all four
// find the same problems and warning, and that both writing runs write the same text.
struct TableReadings {
  explicit TableReadings(std::string_view table) {
    Read(wholeCheck, table, table.size() + 1);
    Read(bytewiseCheck, table, 1);
    Read(wholeRun, table, table.size() + 1);
    Read(bytewiseRun, table, 1);
  }
  TableReadings(const TableReadings&) = delete;  // the runs write to the texts beside them
  TableReadings& operator=(const TableReadings&) = delete;

  BatchRun wholeCheck;
  BatchRun bytewiseCheck;
  BoundedText wholeText{SIZE_MAX};
  BoundedText bytewiseText{SIZE_MAX};
  BatchRun wholeRun{&wholeText};
  BatchRun bytewiseRun{&bytewiseText};
};

}  // namespace armoursmith::batch
