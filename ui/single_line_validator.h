#pragma once

#include <QValidator>

namespace armoursmith {

// Keeps a field box on one line: a typed line break is refused and text that arrives with one
// (pasted, dropped, composed, set) is cut at the first, so a value can never split its
// key=value line. A lone surrogate becomes the replacement character.
class SingleLineValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

}  // namespace armoursmith
