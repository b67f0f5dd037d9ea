// A table run in batch gives, byte for byte, what the same values typed into the windows
// and the same buttons clicked give.
#include <QLineEdit>
#include <QTest>

#include "batch_run.h"
#include "table_reader.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

class BatchAndWindows : public testing::WindowsTest {
 protected:
  // Selects the box's text and types over it character by character, also those that have
  // no key of their own on an English keyboard, as an input method delivers them.
  void TypeOver(const QString& box, const QString& text) {
    auto* field = Control<QLineEdit>(box);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    for (const QChar character : text) {
      QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
  }
};

// Every material's whole set and one piece each, then a row without a piece. The columns
// Defname, Armour, StrReq, DexReq, IntReq, Color and Out of HP are left out.
constexpr std::string_view kTable =
    "piece,NAME,Material,itemdef,Weight,description,HP\r\n"
    "Whole Set,\"Dawn, the Bright\",Platemail,dawn, 12,\"a \"\"fine\"\" set\",50\r\n"
    "helmet,D\xC3\xA4mmerung,PLATEMAIL,dm,,\xC3\x86rlig,\r\n"
    "whole set,\xD0\x9A\xD0\xBE\xD0\xBB\xD1\x8C\xD1\x86\xD0\xB0,Ringmail,ring,7 ,,1\r\n"
    "Gauntlets,\"Ring, Gloves\",ringmail,rg,3,\xE8\xAA\xAC\xE6\x98\x8E,2\r\n"
    "Whole Set,Chain,Chainmail,ch,\"\",\",\",3\r\n"
    "Coif,\"\"\"Coif\"\"\",Chainmail,co,9,c,4\r\n"
    "Whole Set,Hide,Leather,le,1,,\r\n"
    "Cap,\" Cap \",leather,lc,2,d,5\r\n"
    "Whole Set,Stud,Hard Leather,st,4,e,6\r\n"
    "Sleeves,Stud Arms,hard leather,sa,5,f,7\r\n"
    ",No Piece,Leather,np,6,g,8\r\n";

// The same rows done in the windows: the option button, the list choice (the other lists
// at none), the button pressed and what is typed into the boxes of the table's columns.
struct WindowsRow {
  const char* option;
  const char* choice;
  const char* button;
  std::array<const char*, 5> typed;
};

constexpr std::array kBoxes = {"txtname", "txtid", "txtweight", "txtdesc", "txtminhp"};

const std::array<WindowsRow, 11> kRows = {{
    {"optplate",
     "cbo2=6",
     "cmdwholeset",
     {"Dawn, the Bright", "dawn", " 12", "a \"fine\" set", "50"}},
    {"optplate", "cbo2=5", "cmdgo", {"D\xC3\xA4mmerung", "dm", "", "\xC3\x86rlig", ""}},
    {"optring",
     "cbo1=4",
     "cmdwholeset",
     {"\xD0\x9A\xD0\xBE\xD0\xBB\xD1\x8C\xD1\x86\xD0\xB0", "ring", "7 ", "", "1"}},
    {"optring", "cbo1=2", "cmdgo", {"Ring, Gloves", "rg", "3", "\xE8\xAA\xAC\xE6\x98\x8E", "2"}},
    {"optchain", "cbo3=3", "cmdwholeset", {"Chain", "ch", "", ",", "3"}},
    {"optchain", "cbo3=2", "cmdgo", {"\"Coif\"", "co", "9", "c", "4"}},
    {"optleather", "cbo4=6", "cmdwholeset", {"Hide", "le", "1", "", ""}},
    {"optleather", "cbo4=5", "cmdgo", {" Cap ", "lc", "2", "d", "5"}},
    {"opthleather", "cbo5=5", "cmdwholeset", {"Stud", "st", "4", "e", "6"}},
    {"opthleather", "cbo5=2", "cmdgo", {"Stud Arms", "sa", "5", "f", "7"}},
    {"optleather", "", "cmdgo", {"No Piece", "np", "6", "g", "8"}},
}};

TEST_F(BatchAndWindows, GiveTheSameBytesForTheSameValues) {
  batch::BatchRun run;
  batch::TableReader reader(run);
  reader.Feed(kTable);
  reader.Finish();
  run.Finish();
  ASSERT_TRUE(run.Problems().empty());

  for (const WindowsRow& row : kRows) {
    Click(row.option);
    ChooseOnly(row.choice);
    for (std::size_t box = 0; box < kBoxes.size(); ++box) {
      TypeOver(kBoxes[box], QString::fromUtf8(row.typed[box]));
    }
    Click(row.button);
  }
  EXPECT_EQ(run.Output(), Script());
  // 5 + 4 + 3 + 6 + 5 whole-set blocks and 6 single ones.
  std::size_t blocks = 0;
  for (std::size_t at = 0; (at = Script().find("[ITEMDEF ", at)) != std::string::npos; ++at) {
    ++blocks;
  }
  EXPECT_EQ(blocks, 6u + 4 + 3 + 6 + 5 + 6);
  EXPECT_NE(Script().find("NAME=\xD0\x9A\xD0\xBE\xD0\xBB\xD1\x8C\xD1\x86\xD0\xB0 Tunic\r\n"),
            std::string::npos);
  EXPECT_NE(Script().find("{2 Out of HP}\r\n"), std::string::npos);
}

}  // namespace
}  // namespace armoursmith
