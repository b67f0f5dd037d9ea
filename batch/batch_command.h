#pragma once

#include <string>

namespace armoursmith::batch {

// Exit statuses of a batch run.
inline constexpr int kBatchDone = 0;
inline constexpr int kOutputNotWritten = 1;
inline constexpr int kTableRefused = 2;  // problems in the table, or it could not be read

struct BatchRequest {
  std::string table = "-";   // a file name, or "-" for standard input
  std::string output = "-";  // a file name, or "-" for standard output
};

// Reads the whole table, then writes everything it generates at once. A table with problems
// writes nothing: each problem goes to standard error as "TABLE:LINE: what is wrong" (the
// first BatchRun::kProblemsKept of them, then how many more there were). Returns the exit
// status.
int RunBatchCommand(const BatchRequest& request);

}  // namespace armoursmith::batch
