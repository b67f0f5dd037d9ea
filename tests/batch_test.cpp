// The table reader and the batch run, without windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch_run.h"
#include "table_reader.h"

namespace armoursmith::batch {
namespace {

using Problems = std::vector<TableProblem>;

// Everything a reader passes on, records written as "line: cell|cell|...".
struct Collector : TableSink {
  std::vector<std::string> records;
  Problems problems;
  void Record(std::size_t line, std::span<const std::string> cells) override {
    std::string record = std::to_string(line) + ":";
    for (const std::string& cell : cells) record += " " + cell + "|";
    records.push_back(record);
  }
  void Problem(std::size_t line, std::string what) override {
    problems.push_back({line, std::move(what)});
  }
};

// Reads `table` whole and again one byte at a time; both must find the same.
Collector Read(std::string_view table) {
  Collector whole;
  Collector bytewise;
  TableReader wholeReader(whole);
  TableReader bytewiseReader(bytewise);
  wholeReader.Feed(table);
  wholeReader.Finish();
  for (const char byte : table) bytewiseReader.Feed({&byte, 1});
  bytewiseReader.Finish();
  EXPECT_EQ(whole.records, bytewise.records);
  EXPECT_EQ(whole.problems, bytewise.problems);
  return whole;
}

BatchRun RunTable(std::string_view table) {
  BatchRun run;
  TableReader reader(run);
  reader.Feed(table);
  reader.Finish();
  run.Finish();
  return run;
}

TEST(TableReader, QuotesLineEndsAndTheByteOrderMark) {
  const auto read = Read(
      "\xEF\xBB\xBF"
      "a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
      ",,\"\"\n"
      " x , y\xC3\xA9 ,\xF0\x9F\x9B\xA1\n"
      "\n"
      "last,no line end");
  EXPECT_EQ(read.records, (std::vector<std::string>{"1: a| b,c| say \"hi\"|", "2: | | |",
                                                    "3:  x |  y\xC3\xA9 | \xF0\x9F\x9B\xA1|",
                                                    "4: |", "5: last| no line end|"}));
  EXPECT_TRUE(read.problems.empty());
  // A mark that is not complete is text, and so is a mark after the start.
  const auto marks = Read(
      "\xEF\xBB"
      "a\n\xEF\xBB\xBF");
  EXPECT_EQ(marks.problems, (Problems{{1, "cell 1 is not UTF-8"}}));
  EXPECT_EQ(marks.records, (std::vector<std::string>{"2: \xEF\xBB\xBF|"}));
  EXPECT_TRUE(Read("").records.empty());
  EXPECT_TRUE(Read("\xEF\xBB\xBF").records.empty());
}

TEST(TableReader, RefusesBrokenQuotesBadUtf8AndLineBreaksThenGoesOn) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a\"b", "cell 2: a quote inside an unquoted cell"},
      {"\"a\"b", "cell 2: text after its closing quote"},
      {"\"a\"\rb", "cell 2: text after its closing quote"},
      {"\"a\nb\"", "cell 2 holds a line break"},
      {"\"a\rb\"", "cell 2 holds a line break"},
      {"a\rb", "cell 2 holds a line break"},
      {"a\xE2\x80\xA8", "cell 2 holds a line break"},  // U+2028
      {"\xE2\x80\xA9", "cell 2 holds a line break"},   // U+2029
      {"\xEF\xB7\x90", "cell 2 holds a line break"},   // U+FDD0
      {"\xEF\xB7\x91", "cell 2 holds a line break"},   // U+FDD1
      {"\xC0\xAF", "cell 2 is not UTF-8"},             // overlong '/'
      {"\xE0\x80\xAF", "cell 2 is not UTF-8"},         // overlong '/'
      {"\xF0\x80\x80\xAF", "cell 2 is not UTF-8"},     // overlong '/'
      {"\xED\xA0\x80", "cell 2 is not UTF-8"},         // surrogate D800
      {"\xF4\x90\x80\x80", "cell 2 is not UTF-8"},     // past U+10FFFF
      {"\xE2\x82", "cell 2 is not UTF-8"},             // cut short
      {"\x80", "cell 2 is not UTF-8"},
      {"\xFF", "cell 2 is not UTF-8"},
  };
  for (const auto& [cell, what] : cases) {
    const auto read = Read("x," + cell + ",z\nnext\n");
    EXPECT_EQ(read.problems, (Problems{{1, what}})) << cell;
    EXPECT_TRUE(read.records.back().ends_with(": next|")) << cell;
  }
  // Close to the refused characters but allowed: U+FDCF, U+FDD2, U+2027, U+10FFFF, U+D7FF.
  EXPECT_TRUE(
      Read("\xEF\xB7\x8F\xEF\xB7\x92\xE2\x80\xA7\xF4\x8F\xBF\xBF\xED\x9F\xBF").problems.empty());
  // A problem names the line of its cell; a quoted cell may run over lines.
  EXPECT_EQ(Read("a\n\"b\nc\",\xFF\nd,\"e").problems,
            (Problems{{2, "cell 1 holds a line break"},
                      {3, "cell 2 is not UTF-8"},
                      {4, "cell 2: its opening quote is never closed"}}));
  EXPECT_EQ(Read("\"a\"\r").problems, (Problems{{1, "cell 1: text after its closing quote"}}));
  EXPECT_EQ(Read("a\r").problems, (Problems{{1, "cell 1 holds a line break"}}));
}

constexpr std::string_view kPromptBlock =
    "// Designed By: Admin Pimlet :)\r\n[ITEMDEF Itemdef]\r\nDEFNAME=Defname\r\nNAME=Name\r\n"
    "ID=i_ringmail_sleeves\r\nTYPE=T_ARMOR\r\nWEIGHT=Weight\r\nARMOR=Armour\r\n"
    "REQSTR=StrReq\r\nREQDEX=DexReq\r\nREQINT=IntReq\r\nCATEGORY=Pimlet's Creations\r\n"
    "SUBSECTION=Name\r\nDESCRIPTION=Description\r\n\r\nON=@Create\r\nCOLOR=Color\r\n"
    "{Hp Out of HP}\r\n";

TEST(BatchRun, ColumnsInAnyOrderAndCaseCellsAsWrittenAbsentOnesAsPrompts) {
  EXPECT_EQ(RunTable("Piece,MATERIAL\nsleeves,ringmail\n").Output(), kPromptBlock);
  const auto run = RunTable(
      "out of hp,Hp,color,DESCRIPTION,intreq,DexReq,StrReq,armour,weight,name,defname,"
      "ITEMDEF,Piece,Material\n"
      "9 ,,\"a,b\",\"\"\"q\"\"\",I,D,S,A,W,N\xC3\xA9,d,id,Gauntlets,HARD leather\n"
      ",,,,,,,,,,,,,Chainmail\n");
  EXPECT_TRUE(run.Problems().empty());
  EXPECT_EQ(run.Output(),
            "// Designed By: Admin Pimlet :)\r\n[ITEMDEF id]\r\nDEFNAME=d\r\nNAME=N\xC3\xA9\r\n"
            "ID=i_studded_gloves\r\nTYPE=T_ARMOR\r\nWEIGHT=W\r\nARMOR=A\r\nREQSTR=S\r\n"
            "REQDEX=D\r\nREQINT=I\r\nCATEGORY=Pimlet's Creations\r\nSUBSECTION=N\xC3\xA9\r\n"
            "DESCRIPTION=\"q\"\r\n\r\nON=@Create\r\nCOLOR=a,b\r\n{ 9 }\r\n"
            // An empty Piece: no ID line.
            "// Designed By: Admin Pimlet :)\r\n[ITEMDEF ]\r\nDEFNAME=\r\nNAME=\r\n"
            "TYPE=T_ARMOR\r\nWEIGHT=\r\nARMOR=\r\nREQSTR=\r\nREQDEX=\r\nREQINT=\r\n"
            "CATEGORY=Pimlet's Creations\r\nSUBSECTION=\r\nDESCRIPTION=\r\n\r\nON=@Create\r\n"
            "COLOR=\r\n{ }\r\n");
}

TEST(BatchRun, WholeSetRowsMakeTheMaterialsSet) {
  const std::string output = RunTable("Material,Piece,Itemdef\nChainmail,whole SET,c\n").Output();
  EXPECT_TRUE(output.starts_with(
      "// Designed By: Admin Pimlet :)\r\n[ITEMDEF i_c_Tunic]\r\nDEFNAME=i_Defname_Tunic\r\n"));
  EXPECT_NE(output.find("[ITEMDEF i_c_Coif]"), std::string::npos);
  EXPECT_EQ(output.find("[EOF]"), std::string::npos);  // chainmail sets have no trailer
  // Each material's own set, whatever the other lists would hold.
  const std::string hardLeather = RunTable("Material,Piece\nHard Leather,Whole Set\n").Output();
  EXPECT_NE(hardLeather.find("ID=i_studded_Sleeves"), std::string::npos);
  EXPECT_TRUE(hardLeather.ends_with("End If\r\n[EOF]\r\n"));
}

TEST(BatchRun, EveryProblemOnItsLineAndThenNoOutputAtAll) {
  const auto run = RunTable(
      "Material,Piece,Name\n"
      "Ringmail,Sleeves,fine\n"
      "Platinum,Tunic,x\n"
      "Chainmail,Gorget,x\n"
      "Leather, Tunic,x\n"
      "Leather,Tunic\n"
      "Leather,Tunic,x,\n"
      "\n"
      "Leather,Tunic,\"x\n"
      "y\",z\n"
      "Leather,Tunic,x\"\n"
      "Ringmail,Sleeves,fine\n");
  EXPECT_EQ(run.Output(), "");
  EXPECT_EQ(run.Problems(),
            (Problems{
                {3,
                 "unknown material \"Platinum\"; the materials are Platemail, Ringmail, "
                 "Chainmail, Leather, Hard Leather"},
                {4,
                 "unknown piece \"Gorget\" for Chainmail; its pieces are Tunic, Leggings, "
                 "Coif, Whole Set, or an empty cell"},
                {5,
                 "unknown piece \" Tunic\" for Leather; its pieces are Gorget, Tunic, "
                 "Sleeves, Gauntlets, Leggings, Cap, Whole Set, or an empty cell"},
                {6, "the row has 2 cells, the header 3"},
                {7, "the row has 4 cells, the header 3"},
                {8, "the row has 1 cell, the header 3"},
                {9, "cell 3 holds a line break"},
                {11, "cell 3: a quote inside an unquoted cell"},
            }));
  EXPECT_EQ(run.ProblemCount(), 8u);
}

TEST(BatchRun, HeaderProblemsEmptyTablesAndTheProblemLimit) {
  EXPECT_EQ(RunTable("name,Piece,Colour,NAME,\n").Problems(),
            (Problems{{1, "unknown column \"Colour\" (cell 3)"},
                      {1, "column \"NAME\" appears twice (cells 1 and 4)"},
                      {1, "unknown column \"\" (cell 5)"},
                      {1, "the header has no \"Material\" column"}}));
  // A header that cannot be read gives no columns; the next row does not stand in for it.
  const auto unreadable = RunTable("Material,Piece,\"Na\nme\"\nLeather,Cap,x\n");
  EXPECT_EQ(unreadable.Problems(), (Problems{{1, "cell 3 holds a line break"}}));
  EXPECT_EQ(unreadable.Output(), "");
  EXPECT_EQ(RunTable("").Problems(),
            (Problems{{1, "the table is empty; it needs at least a header row"}}));
  const auto headerOnly = RunTable("Material,Piece\r\n");
  EXPECT_TRUE(headerOnly.Problems().empty());
  EXPECT_EQ(headerOnly.Output(), "");

  std::string many = "Material,Piece\n";
  for (int row = 0; row < 25; ++row) many += "Wood,Tunic\n";
  const auto run = RunTable(many);
  ASSERT_EQ(run.Problems().size(), 20u);
  EXPECT_EQ(run.Problems().back().line, 21u);
  EXPECT_EQ(run.ProblemCount(), 25u);
}

}  // namespace
}  // namespace armoursmith::batch
