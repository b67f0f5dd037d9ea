#include "script_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "byte_streams.h"
#include "output_file.h"
#include "script_file_text.h"

namespace armoursmith::batch {
namespace {

constexpr std::size_t kReadSize = 65536;

ScriptFileReading Refused(std::string problem) {
  return {.text = {}, .problem = std::move(problem)};
}

std::string_view Describe(ScriptFileFault fault) {
  return fault == ScriptFileFault::NotUtf8
             ? "the line is not UTF-8 text; save the file as UTF-8 and open it again"
             : "the line holds a NUL byte (character 0), which a text file never holds";
}

}  // namespace

ScriptFileReading ReadScriptFile(const std::string& path, std::size_t limit) {
  std::FILE* file = OpenForReading(path);
  if (!file) return Refused(path + ": cannot be read: " + std::strerror(errno));
  // One byte past the limit tells that the file is too long.
  std::string bytes;
  for (std::size_t count = 1; count > 0 && bytes.size() <= limit;) {
    const std::size_t size = bytes.size();
    bytes.resize(size + std::min(kReadSize, limit + 1 - size));
    count = std::fread(bytes.data() + size, 1, bytes.size() - size, file);
    bytes.resize(size + count);
  }
  const int error = errno;
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return Refused(path + ": cannot be read: " + std::strerror(error));
  if (bytes.size() > limit) {
    return Refused(path + ": the file is larger than the " + std::to_string(limit) +
                   " bytes the script window takes in one go");
  }
  ScriptFileText decoded = DecodeScriptFile(bytes);
  if (decoded.fault) {
    return Refused(path + ":" + std::to_string(decoded.faultLine) + ": " +
                   std::string(Describe(*decoded.fault)));
  }
  return {.text = std::move(decoded.text), .problem = {}};
}

std::optional<std::string> WriteScriptFile(const std::string& path, std::string_view bytes) {
  OutputFile file(path);
  file.Write(bytes);
  file.Commit();
  return file.Failure();
}

}  // namespace armoursmith::batch
