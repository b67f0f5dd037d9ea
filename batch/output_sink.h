#pragma once

#include <string_view>

namespace armoursmith::batch {

// Where a batch run's text goes, appended in order.
class OutputSink {
 public:
  virtual ~OutputSink() = default;
  virtual void Append(std::string_view text) = 0;
};

}  // namespace armoursmith::batch
