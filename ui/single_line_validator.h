#pragma once

#include <QValidator>

namespace armoursmith {

// Keeps a field box on one line: text pasted or dropped with line breaks is cut at the first
// one, so a value can never split its key=value line or put a bare line feed into the script.
class SingleLineValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
};

}  // namespace armoursmith
