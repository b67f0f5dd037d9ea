// The table reader and the batch run, without windows: tables as people and spreadsheets
// write them, each against the transcript written beside it or in the test.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "batch_run.h"
#include "bounded_text.h"
#include "output_pieces.h"
#include "script_file.h"
#include "table_reader.h"
#include "table_readings.h"
#include "table_text.h"
#include "test_files.h"

namespace armoursmith::batch {
namespace {

std::string ProblemLine(std::size_t line, const std::string& what) {
  return std::to_string(line) + "! " + what + "\n";
}

// The problem of a row whose cell is not text in the encoding, with the cure.
std::string NotText(std::size_t line, const std::string& encoding, int cell = 1) {
  return ProblemLine(line, "cell " + std::to_string(cell) + " is not " + encoding +
                               "; save the table as \"CSV UTF-8\" or \"Unicode text\"");
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
};

// The table read whole and again one byte at a time; both must give the same.
std::string ReadRecords(std::string_view table) {
  ReaderTranscript whole;
  ReaderTranscript bytewise;
  Read(whole, table, table.size() + 1);
  Read(bytewise, table, 1);
  EXPECT_EQ(whole.text, bytewise.text);
  return whole.text;
}

// What the command reports of a run: its problems as "LINE! what" and how many there were in
// all, or the warning of a table without problems.
std::string Report(const BatchRun& run) {
  std::string text;
  for (const TableProblem& problem : run.Problems())
    text += ProblemLine(problem.line, problem.what);
  if (run.ProblemCount() != 0)
    return text + "problems in all: " + std::to_string(run.ProblemCount()) + "\n";
  if (run.Warning()) text += ProblemLine(run.Warning()->line, run.Warning()->what);
  return text;
}

// What a batch run gives for the table, as the command gives it: the report of the check
// when it finds problems, otherwise the text and the report. The table is read whole and one
// byte at a time, each way once only checked and once writing; all four readings must agree.
std::string RunTranscript(std::string_view table) {
  const TableReadings readings(table);
  std::string report = Report(readings.wholeCheck);
  for (const BatchRun* run : {&readings.bytewiseCheck, &readings.wholeRun, &readings.bytewiseRun}) {
    EXPECT_EQ(Report(*run), report);
  }
  if (readings.wholeCheck.ProblemCount() > 0) return report;
  EXPECT_EQ(readings.wholeText.Text(), readings.bytewiseText.Text());
  return readings.wholeText.Text() + report;
}

// The text with a UTF-16 byte-order mark, little or big endian.
std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : u"\uFEFF" + std::u16string(text)) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(TableReader, QuotesLineEndsMarksEmptyRowsAndEveryRefusal) {
  for (const std::string name :
       {"quotes", "marks", "refusals", "cr_after_quote_at_end", "cr_at_end"}) {
    EXPECT_EQ(ReadRecords(testing::ReadTestFile("batch/read/" + name + ".csv")),
              testing::ReadTestFile("batch/read/" + name + ".txt"))
        << name;
  }
}

// Spreadsheets separate cells with commas, with semicolons in most European languages, and
// with tabs in "Unicode text".
TEST(TableReader, TheHeaderChoosesCommaSemicolonOrTab) {
  const std::map<std::string, std::string> records = {
      {"Material;Piece;Name\r\nLeather;Cap;\"a;b\"\r\nx,y;z\r\n",
       "1: Material|Piece|Name|\n2: Leather|Cap|a;b|\n3: x,y|z|\n"},
      {"name\tPIECE\tmaterial\nx\ty,z\t\"q\"\"\"\n", "1: name|PIECE|material|\n2: x|y,z|q\"|\n"},
      // Quoted for semicolons: read with commas, the header has a problem.
      {"\"Material\";\"Piece\"\n\"a,b\";c\n", "1: Material|Piece|\n2: a,b|c|\n"},
      // Commas come first when the header fits two separators.
      {"Material,Piece,x;Material;Piece\n", "1: Material|Piece|x;Material;Piece|\n"},
      // With commas the first row is ";;", with semicolons an empty row that is skipped.
      {"\n;;\nMaterial;Piece\n", "3: Material|Piece|\n"},
      // A header that fits none is read with commas.
      {"Materiel;Piece\n1;2,3\n", "1: Materiel;Piece|\n2: 1;2|3|\n"},
      {"Material|Piece", "1: Material|Piece|\n"},
      // A header without a line end is decided at the end of the table.
      {"Material\tPiece", "1: Material|Piece|\n"},
  };
  for (const auto& [table, expected] : records) EXPECT_EQ(ReadRecords(table), expected) << table;
}

TEST(TableReader, Utf16WithAByteOrderMarkIsTranscodedAndOtherTextReportedOnce) {
  for (const bool bigEndian : {false, true}) {
    // The last line holds the first and last characters of each length in UTF-8.
    EXPECT_EQ(
        ReadRecords(Utf16(u"Material\tPiece\r\n\"Caf\u00E9\"\t\U0001F6E1 \u4E2D\r\n"
                          u"\u007F\u0080\t\u07FF\u0800\uFFFD\U00010000\U0010FFFF",
                          bigEndian)),
        "1: Material|Piece|\n2: Caf\xC3\xA9|\xF0\x9F\x9B\xA1 \xE4\xB8\xAD|\n"
        "3: \x7F\xC2\x80|\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBD\xF0\x90\x80\x80\xF4\x8F\xBF\xBF|\n");
    // A lone high surrogate, a lone low one, then sound text; then an odd last byte.
    const std::u16string lone = {u'a', 0xD800, u'\n', 0xDC00, u'b', u'\n', u'c', u'\n'};
    EXPECT_EQ(ReadRecords(Utf16(lone, bigEndian)), NotText(1, "UTF-16") + "3: c|\n");
    EXPECT_EQ(ReadRecords(Utf16(u"a\n", bigEndian) + "b"), "1: a|\n" + NotText(2, "UTF-16"));
  }
  // The bytes of a mark that goes on as no mark does, or that the table ends in, are text.
  EXPECT_EQ(ReadRecords("\xFF\n\xFE"), NotText(1, "UTF-8"));
  EXPECT_EQ(ReadRecords("\xEF\xBB"), NotText(1, "UTF-8"));
  // A table saved in another encoding has such text in many cells; it is said once, and every
  // row that has it is still refused.
  EXPECT_EQ(ReadRecords("a,Caf\xE9\nb,\xE9t\xE9,x\nc,ok\n\"\xC0\"\n"),
            NotText(1, "UTF-8", 2) + "3: c|ok|\n");
}

TEST(BatchRun, ColumnsCellsSetsProblemsAndTheProblemCap) {
  for (const std::string name :
       {"prompts", "columns", "chainmail_set", "hard_leather_set", "problems", "header_problems",
        "unknown_column", "repeated_column", "header_without_piece", "unreadable_header", "empty",
        "mark_only", "header_only", "problem_cap"}) {
    // Whole sets with every column left out are the sets the windows make at start-up.
    const std::string expected =
        name.ends_with("_set") ? "golden/startup_" + name : "batch/run/" + name;
    EXPECT_EQ(RunTranscript(testing::ReadTestFile("batch/run/" + name + ".csv")),
              testing::ReadTestFile(expected + ".txt"))
        << name;
  }
}

// Each label of a list names its own entry: the row writes the one block, with the ID line,
// that the windows write with that entry chosen.
TEST(BatchRun, EveryLabelChoosesItsOwnEntry) {
  // The materials of the lists cbo1 to cbo5.
  const std::array<std::string, 5> materials = {"Ringmail", "Platemail", "Chainmail", "Leather",
                                                "Hard Leather"};
  for (const std::vector<std::string>& row : testing::ReadTableRows("piece_lists.tsv")) {
    if (row[3] == "-") continue;
    const std::string& label = row[2];
    const std::string output =
        RunTranscript("Material,Piece\n" + materials.at(row[0].back() - '1') + "," + label);
    const std::size_t id = output.find("\r\n" + row[3] + "\r\n");
    EXPECT_NE(id, std::string::npos) << label;
    EXPECT_EQ(id, output.rfind("\r\nID=")) << label;  // its only ID line: no whole set
  }
}

// Platemail, Leather and Hard Leather sets end with "[EOF]", where a server stops reading: the
// first row written after such a set draws a warning, once; Ringmail and Chainmail sets draw none.
TEST(BatchRun, WarnsOnceOfRowsWrittenAfterASetsEndOfFileMark) {
  const std::string table =
      "Material,Piece\nRingmail,Whole Set\nChainmail,Whole Set\nLeather,Cap\nPlatemail,whole set\n"
      ",\nLeather,\nHard Leather,Whole Set\nLeather,Cap\n";
  BatchRun check;
  Read(check, table, table.size());
  EXPECT_EQ(Report(check),
            ProblemLine(7,
                        "warning: this row and the rows after it are written after the \"[EOF]\" "
                        "that ends the Platemail set of line 5; a server stops reading a script "
                        "file at \"[EOF]\""));
}

// A table's text and a script file take no more than the script window takes in one go.
TEST(TableText, AnOverlongTextOrScriptFileGivesItsProblemInstead) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "armoursmith-table-text.csv").string();
  std::ofstream(path, std::ios::binary) << "Material,Piece\nPlatemail,Tunic\n";
  const std::string tunic = testing::ReadGolden("startup_platemail_tunic.txt");
  EXPECT_EQ(ReadTableText(path, tunic.size()).text, tunic);
  EXPECT_EQ(ReadTableText(path, tunic.size() - 1).problems,
            std::vector<std::string>{
                path + ": its text of " + std::to_string(tunic.size()) +
                " bytes is more than the " + std::to_string(tunic.size() - 1) +
                " the script window takes in one go; write it to a file with armoursmith "
                "--batch " +
                path + " -o FILE"});
  std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBFone\r\ntwo";
  EXPECT_EQ(ReadScriptFile(path, 11).text, "one\ntwo");
  EXPECT_EQ(ReadScriptFile(path, 10).problem,
            path + ": the file is larger than the 10 bytes the script window takes in one go");
  std::filesystem::remove(path);
}

// Memory that does not grow with the table: the text leaves in large pieces while the table is
// still being read, whichever separator the header chose.
TEST(BatchRun, TheTextLeavesInLargePiecesWhileTheTableIsRead) {
  for (const std::string separator : {",", ";", "\t"}) {
    std::string table = "Material" + separator + "Piece\n";
    for (int row = 0; row < 2000; ++row) table += "Ringmail" + separator + "Whole Set\n";
    std::vector<std::size_t> pieces;
    std::string written;
    OutputPieces output([&](std::string_view piece) {
      pieces.push_back(piece.size());
      written += piece;
    });
    BatchRun run(&output);
    TableReader reader(run);
    reader.Feed(std::string_view(table).substr(0, table.size() / 2));
    EXPECT_GE(written.size(), 1000 * testing::ReadGolden("startup_ringmail_set.txt").size() -
                                  OutputPieces::kPieceSize)
        << separator;
    reader.Feed(std::string_view(table).substr(table.size() / 2));
    reader.Finish();
    run.Finish();
    output.Flush();
    EXPECT_EQ(written, RunTranscript(table));
    pieces.pop_back();  // the last piece holds what is left
    for (const std::size_t size : pieces) {
      EXPECT_LE(size, OutputPieces::kPieceSize);
      EXPECT_GE(size, OutputPieces::kPieceSize - 1000);
    }
  }
}

}  // namespace
}  // namespace armoursmith::batch
