#include "single_line_validator.h"

#include <algorithm>

#include "line_breaks.h"

namespace armoursmith {
namespace {

bool BreaksTheLine(QChar c) { return IsLineBreak(c.unicode()); }

}  // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
  const qsizetype firstBreak =
      std::find_if(input.cbegin(), input.cend(), BreaksTheLine) - input.cbegin();
  if (firstBreak == input.size()) return Acceptable;
  // The caret stands right after the inserted text: drop the inserted part from the break on.
  if (pos > firstBreak) {
    input.remove(firstBreak, pos - firstBreak);
    pos = static_cast<int>(firstBreak);
  }
  input.removeIf(BreaksTheLine);
  return Acceptable;
}

}  // namespace armoursmith
