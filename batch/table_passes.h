#pragma once

#include <optional>
#include <string>
#include <vector>

namespace armoursmith::batch {

class OutputSink;
class TableSource;

// The two readings of a table: the first only checks it, so that a table with problems
// writes nothing at all; the second, once it is known to be sound, writes its text as it goes.

// What the first reading found.
struct TableCheck {
  // The lines that refuse the table, as printed: it cannot be read, or its problems. None
  // for a sound table.
  std::vector<std::string> refusal;
  // A sound table's warning, as printed: rows written after a set's end-of-file mark.
  std::optional<std::string> warning;
};

// `tableName` is the name the lines give the table.
TableCheck CheckTable(TableSource& table, const std::string& tableName);

// Reads the checked table again, writing its text to `output`. Gives the lines that refuse it
// when it cannot be read again or has problems now, having changed since the check; none when
// its whole text was written.
std::vector<std::string> WriteTable(TableSource& table, const std::string& tableName,
                                    OutputSink& output);

}  // namespace armoursmith::batch
