#include "batch_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "batch_run.h"
#include "byte_streams.h"
#include "output_file.h"
#include "table_reader.h"

namespace armoursmith::batch {
namespace {

constexpr std::size_t kReadSize = 65536;

// Feeds the table to `run`; gives the reason when it cannot be read.
std::optional<std::string> ReadTable(const std::string& path, BatchRun& run) {
  std::FILE* file = path == "-" ? stdin : OpenForReading(path);
  if (!file) return std::strerror(errno);
  TableReader reader(run);
  std::vector<char> buffer(kReadSize);
  while (const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file)) {
    reader.Feed({buffer.data(), count});
  }
  const int error = errno;
  const bool failed = std::ferror(file) != 0;
  if (file != stdin) std::fclose(file);
  if (failed) return std::strerror(error);
  reader.Finish();
  run.Finish();
  return std::nullopt;
}

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
  if (const auto reason = ReadTable(request.table, run)) {
    std::fprintf(stderr, "%s: cannot be read: %s\n", tableName.c_str(), reason->c_str());
    return kTableRefused;
  }
  for (const TableProblem& problem : run.Problems()) {
    std::fprintf(stderr, "%s:%zu: %s\n", tableName.c_str(), problem.line, problem.what.c_str());
  }
  if (const std::size_t more = run.ProblemCount() - run.Problems().size()) {
    std::fprintf(stderr, "%s: %zu more problems\n", tableName.c_str(), more);
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
