#include "table_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "batch_run.h"
#include "byte_streams.h"
#include "table_reader.h"

namespace armoursmith::batch {
namespace {

constexpr std::size_t kReadSize = 65536;

}  // namespace

std::optional<std::string> ReadTableFile(const std::string& path, BatchRun& run) {
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

}  // namespace armoursmith::batch
