#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "output_sink.h"

namespace armoursmith::batch {

// Keeps the text up to `limit` bytes and counts all of it: enough to tell that a text is too
// long without holding it.
class BoundedText : public OutputSink {
 public:
  explicit BoundedText(std::size_t limit) : limit_(limit) {}

  void Append(std::string_view text) override;
  // How many bytes came, within the limit or not.
  std::size_t Size() const { return size_; }
  // The whole text while Size() is within the limit.
  const std::string& Text() const& { return text_; }
  std::string Text() && { return std::move(text_); }

 private:
  std::size_t limit_;
  std::size_t size_ = 0;
  std::string text_;
};

}  // namespace armoursmith::batch
