#include "test_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace armoursmith::testing {

std::string ReadTestFile(const std::string& path) {
  std::ifstream file(std::string(ARMOURSMITH_TEST_DATA) + "/" + path, std::ios::binary);
  EXPECT_TRUE(file) << "cannot read " << path;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::string ReadGolden(const std::string& name) { return ReadTestFile("golden/" + name); }

std::vector<std::vector<std::string>> ReadTableRows(const std::string& name) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(ReadTestFile("tables/" + name));
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.starts_with('#')) continue;
    std::vector<std::string>& row = rows.emplace_back();
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      row.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
  }
  return rows;
}

}  // namespace armoursmith::testing
