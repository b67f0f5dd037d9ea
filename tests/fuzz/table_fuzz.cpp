// Fuzz target of the table reader and the batch run. Any bytes must be read without a fault;
// a table read at once and read one byte at a time must give the same output and problems,
// and a table with problems no output.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "batch_run.h"
#include "table_reader.h"

namespace {

using armoursmith::batch::BatchRun;

BatchRun Run(std::string_view table, std::size_t piece) {
  BatchRun run;
  armoursmith::batch::TableReader reader(run);
  for (std::size_t at = 0; at < table.size(); at += piece) reader.Feed(table.substr(at, piece));
  reader.Finish();
  run.Finish();
  return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view table(reinterpret_cast<const char*>(data), size);
  const BatchRun whole = Run(table, size + 1);
  const BatchRun bytewise = Run(table, 1);
  if (whole.Output() != bytewise.Output() || whole.Problems() != bytewise.Problems() ||
      whole.ProblemCount() != bytewise.ProblemCount() ||
      (whole.ProblemCount() > 0 && !whole.Output().empty())) {
    std::abort();
  }
  return 0;
}
