#pragma once

#include <QStringList>
#include <stdexcept>

namespace armoursmith {

class GeneratorControls;

// Tables that added nothing to the script because of their problems; what() holds the lines
// the batch run prints for them.
class TablesRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Checks every table first and, when none has a problem, shows the script window as the
// buttons do and appends to the script, in the given order, exactly the text
// `armoursmith --batch` writes for each. Otherwise throws TablesRefused and leaves the script
// as it was.
void AppendTables(GeneratorControls& controls, const QStringList& tables);

}  // namespace armoursmith
