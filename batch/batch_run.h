#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "output_sink.h"
#include "table_columns.h"
#include "table_sink.h"

namespace armoursmith::batch {

// A problem with the table, or a warning: the line it was found on and what it says.
struct TableProblem {
  std::size_t line;
  std::string what;
  bool operator==(const TableProblem&) const = default;
};

// Turns a table's records into what the main window's buttons append, row by row, to
// `output`: the header first, then per row MAKE SCRIPT!!! for a piece or an empty Piece cell,
// MAKE A WHOLE SET!!! for "Whole Set". Every record is checked, but once a problem is found
// nothing more is generated. Without an output the run only checks the table, which is how a
// batch run makes sure a table is sound before it writes the first byte.
class BatchRun : public TableSink {
 public:
  static constexpr std::size_t kProblemsKept = 20;

  explicit BatchRun(OutputSink* output = nullptr) : output_(output) {}

  void Record(std::size_t line, std::span<const std::string> cells) override;
  void Problem(std::size_t line, std::string what) override;
  // The end of the table; a table without even a header is a problem.
  void Finish();

  // The first kProblemsKept problems, in the order found, and how many there were in all.
  const std::vector<TableProblem>& Problems() const { return problems_; }
  std::size_t ProblemCount() const { return problemCount_; }
  // The first row written after a whole set that ends with the "[EOF]" line, where a server
  // stops reading a script file; the command warns of it when the table has no problems.
  const std::optional<TableProblem>& Warning() const { return warning_; }

 private:
  struct EndMark {
    std::size_t line;
    std::string_view material;
  };

  void Generate(std::size_t line, std::span<const std::string> cells);

  OutputSink* output_;
  bool headerSeen_ = false;
  std::optional<TableColumns> columns_;
  std::vector<TableProblem> problems_;
  std::size_t problemCount_ = 0;
  std::optional<EndMark> endMark_;  // the last whole set written that ends with "[EOF]"
  std::optional<TableProblem> warning_;
};

}  // namespace armoursmith::batch
