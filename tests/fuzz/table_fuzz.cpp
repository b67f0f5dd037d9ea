// Fuzz target of the table reader and the batch run. Any bytes must be read without a fault. A
// table read at once and read one byte at a time must give the same problems, warning and
// text. The check, which reads without writing, must find exactly the problems and warning of
// the run that writes: --batch writes only after a check without problems, so a table with
// problems writes nothing and one without is written whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "batch_run.h"
#include "bounded_text.h"
#include "table_reader.h"

namespace {

using armoursmith::batch::BatchRun;
using armoursmith::batch::BoundedText;

void Read(BatchRun& run, std::string_view table, std::size_t piece) {
  armoursmith::batch::TableReader reader(run);
  for (std::size_t at = 0; at < table.size(); at += piece) reader.Feed(table.substr(at, piece));
  reader.Finish();
  run.Finish();
}

bool SameFindings(const BatchRun& a, const BatchRun& b) {
  return a.Problems() == b.Problems() && a.ProblemCount() == b.ProblemCount() &&
         a.Warning() == b.Warning();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view table(reinterpret_cast<const char*>(data), size);
  BatchRun wholeCheck;
  BatchRun bytewiseCheck;
  BoundedText wholeText(SIZE_MAX);
  BoundedText bytewiseText(SIZE_MAX);
  BatchRun wholeRun(&wholeText);
  BatchRun bytewiseRun(&bytewiseText);
  Read(wholeCheck, table, size + 1);
  Read(bytewiseCheck, table, 1);
  Read(wholeRun, table, size + 1);
  Read(bytewiseRun, table, 1);
  if (!SameFindings(wholeCheck, bytewiseCheck) || !SameFindings(wholeCheck, wholeRun) ||
      !SameFindings(wholeCheck, bytewiseRun) || wholeText.Text() != bytewiseText.Text()) {
    std::abort();
  }
  return 0;
}
