#include "test_data.h"

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

std::vector<QStringList> ReadTable(const std::string& name) {
  std::vector<QStringList> rows;
  for (const QString& line : QString::fromStdString(ReadTestFile("tables/" + name)).split('\n')) {
    if (!line.isEmpty() && !line.startsWith('#')) rows.push_back(line.split('\t'));
  }
  return rows;
}

}  // namespace armoursmith::testing
