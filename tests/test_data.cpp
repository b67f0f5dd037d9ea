#include "test_data.h"

namespace armoursmith::testing {

std::vector<QStringList> ReadTable(const std::string& name) {
  std::vector<QStringList> rows;
  for (const std::vector<std::string>& cells : ReadTableRows(name)) {
    QStringList& row = rows.emplace_back();
    for (const std::string& cell : cells) row.append(QString::fromStdString(cell));
  }
  return rows;
}

}  // namespace armoursmith::testing
