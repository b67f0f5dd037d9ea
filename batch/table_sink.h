#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace armoursmith::batch {

// Receives what a table's reader finds, in the order of the input.
class TableSink {
 public:
  virtual ~TableSink() = default;
  // A record whose cells are all sound; `line` is the line it starts on, counted from 1.
  virtual void Record(std::size_t line, std::span<const std::string> cells) = 0;
  // Something that makes a record unusable; such a record is not passed on.
  virtual void Problem(std::size_t line, std::string what) = 0;
};

}  // namespace armoursmith::batch
