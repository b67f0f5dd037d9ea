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

// Reads the table, writing its text to `output` as it goes, up to its first problem. Gives the
// lines that refuse it: it cannot be read, or has problems (after a check: it changed since);
// none when its whole text was written.
std::vector<std::string> WriteTable(TableSource& table, const std::string& tableName,
                                    OutputSink& output);

}  // namespace armoursmith::batch
