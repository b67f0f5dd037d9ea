#include "batch_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "byte_streams.h"
#include "output_file.h"
#include "output_pieces.h"
#include "table_passes.h"
#include "table_source.h"

namespace armoursmith::batch {
namespace {

void PrintLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) std::fprintf(stderr, "%s\n", line.c_str());
}

// Standard output, written through like an OutputFile; the first failure is kept.
class StandardOutput {
 public:
  const std::optional<std::string>& Failure() const { return failure_; }
  void Write(std::string_view bytes) {
    if (!failure_ && std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
      failure_ = std::strerror(errno);
    }
  }
  void Commit() {
    if (!failure_ && std::fflush(stdout) != 0) failure_ = std::strerror(errno);
  }

 private:
  std::optional<std::string> failure_;
};

// Writes the checked table's text to `output` in large pieces and commits it.
template <typename Output>
int WriteOutput(TableSource& table, const std::string& tableName, const std::string& outputName,
                Output& output) {
  if (!output.Failure()) {
    OutputPieces pieces([&output](std::string_view piece) { output.Write(piece); });
    if (const auto refusal = WriteTable(table, tableName, pieces); !refusal.empty()) {
      PrintLines(refusal);
      return kTableRefused;
    }
    pieces.Flush();
    output.Commit();
  }
  if (const auto& failure = output.Failure()) {
    std::fprintf(stderr, "%s: cannot be written: %s\n", outputName.c_str(), failure->c_str());
    return kOutputNotWritten;
  }
  return kBatchDone;
}

}  // namespace

int RunBatchCommand(const BatchRequest& request) {
  UseBinaryStandardStreams();
  const std::string tableName = request.table == "-" ? "<stdin>" : request.table;
  TableSource table(request.table);
  const TableCheck check = CheckTable(table, tableName);
  PrintLines(check.refusal);
  if (!check.refusal.empty()) return kTableRefused;
  if (check.warning) std::fprintf(stderr, "%s\n", check.warning->c_str());

  if (request.output == "-") {
    StandardOutput output;
    return WriteOutput(table, tableName, "<stdout>", output);
  }
  OutputFile output(request.output);
  return WriteOutput(table, tableName, request.output, output);
}

}  // namespace armoursmith::batch
