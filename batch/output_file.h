#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace armoursmith::batch {

// The file a batch run writes with -o. What is written goes to a new file beside it, which
// takes its place whole on Commit, with the old file's permissions or, for a new one, the
// usual ones; until then, and when the run ends without a Commit, the old file stays as it
// was. A path that names something other than a regular file (a terminal, a pipe,
// /dev/null) is written directly. Each platform has its own way of doing this.
class OutputFile {
 public:
  // `path` is UTF-8.
  explicit OutputFile(const std::string& path);
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  // Removes the new file unless Commit made it the output.
  ~OutputFile();

  // Why the output cannot be written, once opening it, a write or the commit has failed;
  // after that Write and Commit do nothing more.
  const std::optional<std::string>& Failure() const { return failure_; }
  // Writes straight through: hand it large pieces.
  void Write(std::string_view bytes);
  // Makes everything written the file's whole content, on the disk; false when that fails.
  bool Commit();

 private:
  struct Handle;  // the platform's own
  std::unique_ptr<Handle> handle_;
  std::optional<std::string> failure_;
};

}  // namespace armoursmith::batch
