#include "table_passes.h"

#include "batch_run.h"
#include "problem_lines.h"
#include "table_source.h"

namespace armoursmith::batch {
namespace {

std::vector<std::string> ReadAndRefuse(TableSource& table, const std::string& tableName,
                                       BatchRun& run) {
  if (const auto reason = table.ReadInto(run)) return {tableName + ": cannot be read: " + *reason};
  return ProblemLines(tableName, run);
}

}  // namespace

TableCheck CheckTable(TableSource& table, const std::string& tableName) {
  BatchRun run;
  TableCheck check{.refusal = ReadAndRefuse(table, tableName, run), .warning = {}};
  if (check.refusal.empty() && run.Warning())
    check.warning = ProblemLine(tableName, *run.Warning());
  return check;
}

std::vector<std::string> WriteTable(TableSource& table, const std::string& tableName,
                                    OutputSink& output) {
  BatchRun run(&output);
  return ReadAndRefuse(table, tableName, run);
}

}  // namespace armoursmith::batch
