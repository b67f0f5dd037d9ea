#pragma once

#include <string>
#include <vector>

namespace armoursmith::testing {

// The expected data kept beside the tests, read from the source tree; plain C++, for the
// tests that run without the toolkit.

// A file beside the tests, byte for byte.
std::string ReadTestFile(const std::string& path);

// A golden script from golden/, byte for byte (UTF-8, CR LF).
std::string ReadGolden(const std::string& name);

// The rows of a tab-separated table from tables/, each a list of its cells; blank lines and
// lines starting with '#' are left out.
std::vector<std::vector<std::string>> ReadTableRows(const std::string& name);

}  // namespace armoursmith::testing
