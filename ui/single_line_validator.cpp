#include "single_line_validator.h"

#include <algorithm>

namespace armoursmith {
namespace {

bool IsLineBreak(QChar c) {
  return c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

}  // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
  const qsizetype firstBreak =
      std::find_if(input.cbegin(), input.cend(), IsLineBreak) - input.cbegin();
  if (firstBreak == input.size()) return Acceptable;
  // The caret stands right after the inserted text: drop the inserted part from the break on.
  if (pos > firstBreak) {
    input.remove(firstBreak, pos - firstBreak);
    pos = static_cast<int>(firstBreak);
  }
  input.removeIf(IsLineBreak);
  return Acceptable;
}

}  // namespace armoursmith
