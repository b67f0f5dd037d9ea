// The table reader and the batch run, without windows: each table under batch/ against the
// transcript written beside it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "batch_run.h"
#include "table_reader.h"
#include "test_files.h"

namespace armoursmith::batch {
namespace {

std::string ProblemLine(std::size_t line, const std::string& what) {
  return std::to_string(line) + "! " + what + "\n";
}

// What the reader passes on: records as "LINE: cell|cell|", problems as "LINE! what".
struct ReaderTranscript : TableSink {
  std::string text;
  void Record(std::size_t line, std::span<const std::string> cells) override {
    text += std::to_string(line) + ": ";
    for (const std::string& cell : cells) text += cell + "|";
    text += "\n";
  }
  void Problem(std::size_t line, std::string what) override { text += ProblemLine(line, what); }
  std::string End() { return text; }
};

// The run's output, then its problems and how many there were in all.
struct RunTranscript : BatchRun {
  std::string End() {
    Finish();
    std::string text = Output();
    for (const TableProblem& problem : Problems()) text += ProblemLine(problem.line, problem.what);
    if (ProblemCount() != 0) text += "problems in all: " + std::to_string(ProblemCount()) + "\n";
    return text;
  }
};

// Reads the table whole and again one byte at a time; both must give the same.
template <typename Sink>
std::string Transcript(const std::string& table) {
  Sink whole;
  Sink bytewise;
  TableReader wholeReader(whole);
  TableReader bytewiseReader(bytewise);
  wholeReader.Feed(table);
  for (const char byte : table) bytewiseReader.Feed({&byte, 1});
  wholeReader.Finish();
  bytewiseReader.Finish();
  std::string text = whole.End();
  EXPECT_EQ(text, bytewise.End());
  return text;
}

TEST(TableReader, QuotesLineEndsMarksAndEveryRefusal) {
  for (const std::string name :
       {"quotes", "marks", "refusals", "cr_after_quote_at_end", "cr_at_end"}) {
    EXPECT_EQ(Transcript<ReaderTranscript>(testing::ReadTestFile("batch/read/" + name + ".csv")),
              testing::ReadTestFile("batch/read/" + name + ".txt"))
        << name;
  }
}

TEST(BatchRun, ColumnsCellsSetsProblemsAndTheProblemCap) {
  for (const std::string name :
       {"prompts", "columns", "chainmail_set", "hard_leather_set", "problems", "header_problems",
        "header_without_piece", "unreadable_header", "empty", "mark_only", "header_only",
        "problem_cap"}) {
    // Whole sets with every column left out are the sets the windows make at start-up.
    const std::string expected =
        name.ends_with("_set") ? "golden/startup_" + name : "batch/run/" + name;
    EXPECT_EQ(Transcript<RunTranscript>(testing::ReadTestFile("batch/run/" + name + ".csv")),
              testing::ReadTestFile(expected + ".txt"))
        << name;
  }
}

// Each label of a list names its own entry: the row writes the one block, with the ID line,
// that the windows write with that entry chosen.
TEST(BatchRun, EveryLabelChoosesItsOwnEntry) {
  const std::map<std::string, std::string> materials = {{"cbo1", "Ringmail"},
                                                        {"cbo2", "Platemail"},
                                                        {"cbo3", "Chainmail"},
                                                        {"cbo4", "Leather"},
                                                        {"cbo5", "Hard Leather"}};
  for (const std::vector<std::string>& row : testing::ReadTableRows("piece_lists.tsv")) {
    if (row[3] == "-") continue;
    const std::string& label = row[2];
    const std::string output =
        Transcript<RunTranscript>("Material,Piece\n" + materials.at(row[0]) + "," + label);
    const std::size_t id = output.find("\r\n" + row[3] + "\r\n");
    EXPECT_NE(id, std::string::npos) << label;
    EXPECT_EQ(id, output.rfind("\r\nID=")) << label;  // its only ID line: no whole set
  }
}

}  // namespace
}  // namespace armoursmith::batch
