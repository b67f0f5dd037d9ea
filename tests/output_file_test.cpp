// The file a batch run writes: its new text takes the file's place whole, on Commit. Until
// then, and when the run ends without a Commit, what was there stays as it was, and no other
// file is left beside it. tests/check-batch-command.sh replaces files and makes new ones
// through the batch command, byte for byte, on every platform.
#include "output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace armoursmith::batch {
namespace {

class OutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // The UTF-8 path of `name` in the test's own folder.
  std::string Path(const std::string& name) const {
    const std::u8string path = (folder_ / name).u8string();
    return {path.begin(), path.end()};
  }
  void Put(const std::string& name, const std::string& text) const {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  // The files in the folder, each with its text.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      std::ostringstream text;
      text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
      files[entry.path().filename().string()] = text.str();
    }
    return files;
  }

 private:
  // Other checkouts' tests may run at the same time.
  std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                  ("armoursmith-output-" + std::to_string(std::random_device()()));
};

TEST_F(OutputFileTest, TheOldFileStaysUntilCommitAndNothingIsLeftWithoutOne) {
  Put("script.scp", "old text");
  {
    OutputFile existing(Path("script.scp"));
    existing.Write("new text");
    OutputFile made(Path("new.scp"));
    made.Write("new text");
    EXPECT_EQ(Files().at("script.scp"), "old text");
    EXPECT_FALSE(Files().contains("new.scp"));
  }
  using Folder = std::map<std::string, std::string>;
  EXPECT_EQ(Files(), (Folder{{"script.scp", "old text"}}));
  OutputFile file(Path("script.scp"));
  file.Write("new text");
  EXPECT_TRUE(file.Commit());
  EXPECT_EQ(Files(), (Folder{{"script.scp", "new text"}}));
}

TEST_F(OutputFileTest, AFileThatCannotBeMadeOrReplacedFailsWithAReasonAndMakesNothing) {
  OutputFile missing(Path("missing/new.scp"));
  EXPECT_FALSE(missing.Failure().value_or("").empty());
  missing.Write("text");
  EXPECT_FALSE(missing.Commit());
  {  // a folder made in the output's place while the run wrote
    OutputFile taken(Path("taken.scp"));
    taken.Write("text");
    std::filesystem::create_directories(Path("taken.scp") + "/inside");
    EXPECT_FALSE(taken.Commit());
    EXPECT_FALSE(taken.Failure().value_or("").empty());
  }
  EXPECT_EQ(Files().size(), 1);  // the folder alone
}

}  // namespace
}  // namespace armoursmith::batch
