#include "batch_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "batch_run.h"
#include "byte_streams.h"
#include "output_file.h"
#include "problem_lines.h"
#include "table_file.h"

namespace armoursmith::batch {
namespace {

std::optional<std::string> WriteStandardOutput(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) {
    return std::nullopt;
  }
  return std::strerror(errno);
}

std::optional<std::string> WriteFile(const std::string& path, const std::string& text) {
  OutputFile file(path);
  file.Write(text);
  file.Commit();
  return file.Failure();
}

}  // namespace

int RunBatchCommand(const BatchRequest& request) {
  UseBinaryStandardStreams();
  const std::string tableName = request.table == "-" ? "<stdin>" : request.table;
  BatchRun run;
  if (const auto reason = ReadTableFile(request.table, run)) {
    std::fprintf(stderr, "%s: cannot be read: %s\n", tableName.c_str(), reason->c_str());
    return kTableRefused;
  }
  for (const std::string& line : ProblemLines(tableName, run)) {
    std::fprintf(stderr, "%s\n", line.c_str());
  }
  if (run.ProblemCount() > 0) return kTableRefused;

  const bool toStandardOutput = request.output == "-";
  const auto reason = toStandardOutput ? WriteStandardOutput(run.Output())
                                       : WriteFile(request.output, run.Output());
  if (reason) {
    std::fprintf(stderr, "%s: cannot be written: %s\n",
                 toStandardOutput ? "<stdout>" : request.output.c_str(), reason->c_str());
    return kOutputNotWritten;
  }
  return kBatchDone;
}

}  // namespace armoursmith::batch
