// The file a batch run writes: its new text takes the file's place whole, on Commit. Until
// then, and when the run ends without a Commit, what was there stays as it was, and no other
// file is left beside it.
#include "output_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace armoursmith::batch {
namespace {

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // The UTF-8 path of of `name` in the test's own folder.
  std::string Path(const std::string& name) const {
    const std::u8string path = (folder_ / name).u8string();
    return {path.begin(), path.end()};
  }
  void Put(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(folder_ / name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }
  bool Has(const std::string& name) const { return std::filesystem::exists(folder_ / name); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  // Other checkouts' tests may run at the same time.
  std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                  ("armoursmith-output-" + std::to_string(std::random_device()()));
};

TEST_F(OutputFileTest, AnExistingFileIsReplacedWholeOnlyOnCommit) {
  Put("script.scp", "old text");
  const std::string text = "new\r\n" + std::string(300000, 'x');
  OutputFile file(Path("script.scp"));
  file.Write(text.substr(0, 5));
  file.Write(text.substr(5));
  EXPECT_EQ(Read("script.scp"), "old text");
  EXPECT_TRUE(file.Commit());
  EXPECT_FALSE(file.Failure());
  EXPECT_EQ(Read("script.scp"), text);
  EXPECT_EQ(Files(), std::vector<std::string>{"script.scp"});
}

TEST_F(OutputFileTest, WithoutCommitEverythingStaysAsItWas) {
  Put("script.scp", "old text");
  {
    OutputFile existing(Path("script.scp"));
    existing.Write("new text");
    OutputFile made(Path("new.scp"));
    made.Write("new text");
  }
  EXPECT_EQ(Read("script.scp"), "old text");
  EXPECT_EQ(Files(), std::vector<std::string>{"script.scp"});
}

TEST_F(OutputFileTest, ANewFileAppearsOnCommit) {
  OutputFile file(Path("new.scp"));
  file.Write("text");
  EXPECT_FALSE(Has("new.scp"));
  EXPECT_TRUE(file.Commit());
  EXPECT_EQ(Read("new.scp"), "text");
  EXPECT_EQ(Files(), std::vector<std::string>{"new.scp"});
}

TEST_F(OutputFileTest, AFileThatCannotBeMadeFailsAndMakesNothing) {
  OutputFile file(Path("missing/new.scp"));
  ASSERT_TRUE(file.Failure());
  EXPECT_FALSE(file.Failure()->empty());
  file.Write("text");
  EXPECT_FALSE(file.Commit());
  EXPECT_TRUE(Files().empty());
}

}  // namespace
}  // namespace armoursmith::batch
