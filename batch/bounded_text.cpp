#include "bounded_text.h"

namespace armoursmith::batch {

void BoundedText::Append(std::string_view text) {
  size_ += text.size();
  if (size_ <= limit_) text_.append(text);
}

}  // namespace armoursmith::batch
