#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "test_files.h"

namespace armoursmith::testing {

// The rows of a tab-separated table from tables/ (see ReadTableRows), for the window tests.
std::vector<QStringList> ReadTable(const std::string& name);

}  // namespace armoursmith::testing
