#pragma once

#include <string>
#include <vector>

namespace armoursmith::batch {

class BatchRun;

// The run's problems as the batch run reports them: "TABLE:LINE: what is wrong" each, then
// how many more there were past the ones kept.
std::vector<std::string> ProblemLines(const std::string& tableName, const BatchRun& run);

}  // namespace armoursmith::batch
