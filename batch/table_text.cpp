#include "table_text.h"

#include "batch_run.h"
#include "problem_lines.h"
#include "table_file.h"

namespace armoursmith::batch {

TableText ReadTableText(const std::string& path, std::size_t limit) {
  BatchRun run;
  if (const auto reason = ReadTableFile(path, run)) {
    return {.text = {}, .problems = {path + ": cannot be read: " + *reason}};
  }
  if (run.ProblemCount() > 0) return {.text = {}, .problems = ProblemLines(path, run)};
  if (run.Output().size() > limit) {
    return {.text = {},
            .problems = {path + ": its text of " + std::to_string(run.Output().size()) +
                         " bytes is more than the script window takes (" + std::to_string(limit) +
                         "); write it to a file with armoursmith --batch " + path + " -o FILE"}};
  }
  return {.text = run.Output(), .problems = {}};
}

}  // namespace armoursmith::batch
