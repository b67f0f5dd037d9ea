#include "single_line_validator.h"

#include <algorithm>

#include "line_breaks.h"

namespace armoursmith {
namespace {

bool BreaksTheLine(QChar c) { return IsLineBreak(c.unicode()); }

// A surrogate without its partner (left by a program that split a character) is no character
// and has no UTF-8 form: the box shows the replacement character in its place, which is then
// what the script gets, rather than something else on the way.
void ReplaceLoneSurrogates(QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      ++i;
    } else if (text[i].isSurrogate()) {
      text[i] = QChar::ReplacementCharacter;
    }
  }
}

}  // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
  ReplaceLoneSurrogates(input);
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
