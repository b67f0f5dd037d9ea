#pragma once

#include <optional>
#include <string>
#include <utility>

namespace armoursmith::batch {

class BatchRun;

// A table to be read, possibly more than once: the batch command reads it twice, once to check
// it, once to write its text. A file (its name UTF-8) is opened anew for each reading; standard
// input ("-") and a file that cannot be read again from its start, such as a pipe, are kept in
// memory by the first reading for the next.
class TableSource {
 public:
  explicit TableSource(std::string path) : path_(std::move(path)) {}

  // Feeds the whole table to `run` and finishes it; gives the reason when it cannot be read.
  std::optional<std::string> ReadInto(BatchRun& run);

 private:
  std::string path_;
  std::optional<std::string> heldInput_;
};

}  // namespace armoursmith::batch
