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

// Reads the table once to check it and, when it is sound, again to write its text as it is
// generated, in large pieces: the memory a run takes does not grow with the table. A table with
// problems writes nothing: each problem goes to standard error as "TABLE:LINE: what is wrong"
// (the first BatchRun::kProblemsKept of them, then how many more there were). A sound table's
// warning goes there too, in the same form. Returns the exit status.
int RunBatchCommand(const BatchRequest& request);

}  // namespace armoursmith::batch
