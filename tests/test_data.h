#pragma once

#include <QStringList>
#include <string>
#include <vector>

namespace armoursmith::testing {

// The expected data kept beside the tests, read from the source tree.

// A file beside the tests, byte for byte.
std::string ReadTestFile(const std::string& path);

// A golden script from golden/, byte for byte (UTF-8, CR LF).
std::string ReadGolden(const std::string& name);

// The rows of a tab-separated table from tables/; blank lines and lines starting with '#'
// are left out.
std::vector<QStringList> ReadTable(const std::string& name);

}  // namespace armoursmith::testing
