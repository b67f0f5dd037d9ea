#pragma once

#include <optional>
#include <string>

namespace armoursmith::batch {

class BatchRun;

// Feeds the table at `path` (UTF-8; "-" for standard input) to `run` and finishes it; gives
// the reason when the table cannot be read.
std::optional<std::string> ReadTableFile(const std::string& path, BatchRun& run);

}  // namespace armoursmith::batch
