#pragma once

#include <string>
#include <vector>

namespace armoursmith::batch {

class BatchRun;
struct TableProblem;

// A problem or warning as the batch run reports it: "TABLE:LINE: what is wrong".
std::string ProblemLine(const std::string& tableName, const TableProblem& problem);

// The run's problems, one line each, then how many more there were past the ones kept.
std::vector<std::string> ProblemLines(const std::string& tableName, const BatchRun& run);

}  // namespace armoursmith::batch
