#include "problem_lines.h"

#include "batch_run.h"

namespace armoursmith::batch {

std::string ProblemLine(const std::string& tableName, const TableProblem& problem) {
  return tableName + ":" + std::to_string(problem.line) + ": " + problem.what;
}

std::vector<std::string> ProblemLines(const std::string& tableName, const BatchRun& run) {
  std::vector<std::string> lines;
  for (const TableProblem& problem : run.Problems())
    lines.push_back(ProblemLine(tableName, problem));
  if (const std::size_t more = run.ProblemCount() - run.Problems().size()) {
    lines.push_back(tableName + ": " + std::to_string(more) + " more problems");
  }
  return lines;
}

}  // namespace armoursmith::batch
