#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "table_columns.h"
#include "table_reader.h"

namespace armoursmith::batch {

// A problem with the table: the line it was found on and what is wrong.
struct TableProblem {
  std::size_t line;
  std::string what;
  bool operator==(const TableProblem&) const = default;
};

// Turns a table's records into what the main window's buttons append, row by row: the
// header first, then per row MAKE SCRIPT!!! for a piece or an empty Piece cell, MAKE A
// WHOLE SET!!! for "Whole Set". Every record is checked, but once a problem is found nothing
// more is generated and the output is emptied: a table with problems gives no output at all.
class BatchRun : public TableSink {
 public:
  static constexpr std::size_t kProblemsKept = 20;

  void Record(std::size_t line, std::span<const std::string> cells) override;
  void Problem(std::size_t line, std::string what) override;
  // The end of the table; a table without even a header is a problem.
  void Finish();

  const std::string& Output() const { return output_; }
  // The first kProblemsKept problems, in the order found, and how many there were in all.
  const std::vector<TableProblem>& Problems() const { return problems_; }
  std::size_t ProblemCount() const { return problemCount_; }

 private:
  void Generate(std::size_t line, std::span<const std::string> cells);

  bool headerSeen_ = false;
  std::optional<TableColumns> columns_;
  std::string output_;
  std::vector<TableProblem> problems_;
  std::size_t problemCount_ = 0;
};

}  // namespace armoursmith::batch
