#pragma once

#include <QStringList>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace armoursmith {

class GeneratorControls;

// The most text the tables of one drop or opening may add to the script window. The window
// keeps every line of its text in its own structures; 16 MiB of script (some 9,000 whole sets)
// is far beyond any server's item file and still takes a few seconds to add. Larger outputs
// belong in a file.
inline constexpr std::size_t kTableTextLimit = std::size_t{16} << 20;

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
