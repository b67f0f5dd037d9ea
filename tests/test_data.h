#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "test_files.h"

namespace armoursmith::testing {

// The rows of a tab-separated table from tables/ (see ReadTableRows), for the window tests.
inline std::vector<QStringList> ReadTable(const std::string& name) {
  std::vector<QStringList> rows;
  for (const std::vector<std::string>& cells : ReadTableRows(name)) {
    QStringList& row = rows.emplace_back();
    for (const std::string& cell : cells) row.append(QString::fromStdString(cell));
  }
  return rows;
}

}  // namespace armoursmith::testing
