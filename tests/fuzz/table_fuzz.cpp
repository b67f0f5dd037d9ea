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
#include "table_readings.h"

namespace {

using armoursmith::batch::BatchRun;

bool SameFindings(const BatchRun& a, const BatchRun& b) {
  return a.Problems() == b.Problems() && a.ProblemCount() == b.ProblemCount() &&
         a.Warning() == b.Warning();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const armoursmith::batch::TableReadings readings(
      std::string_view(reinterpret_cast<const char*>(data), size));
  if (!SameFindings(readings.wholeCheck, readings.bytewiseCheck) ||
      !SameFindings(readings.wholeCheck, readings.wholeRun) ||
      !SameFindings(readings.wholeCheck, readings.bytewiseRun) ||
      readings.wholeText.Text() != readings.bytewiseText.Text()) {
    std::abort();
  }
  return 0;
}
