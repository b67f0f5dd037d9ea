#include "table_source.h"

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

std::optional<std::string> TableSource::ReadInto(BatchRun& run) {
  TableReader reader(run);
  if (heldInput_) {
    reader.Feed(*heldInput_);
  } else {
    const bool standardInput = path_ == "-";
    std::FILE* file = standardInput ? stdin : OpenForReading(path_);
    if (!file) return std::strerror(errno);
    // What cannot be read again from its start (a pipe, such as a shell's <(command)) is held.
    if (standardInput || std::fseek(file, 0, SEEK_CUR) != 0) heldInput_.emplace();
    std::vector<char> buffer(kReadSize);
    while (const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), file)) {
      reader.Feed({buffer.data(), count});
      if (heldInput_) heldInput_->append(buffer.data(), count);
    }
    const int error = errno;
    const bool failed = std::ferror(file) != 0;
    if (!standardInput) std::fclose(file);
    if (failed) return std::strerror(error);
  }
  reader.Finish();
  run.Finish();
  return std::nullopt;
}

}  // namespace armoursmith::batch
