// A table run in batch gives, byte for byte, what the same values typed into the windows
// and the same buttons clicked give.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "batch_run.h"
#include "table_reader.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using enum ArmourMaterial;

class BatchAndWindows : public testing::WindowsTest {
 protected:
  // Types over the box's text character by character, also those that have no key of
  // their own on an English keyboard, as an input method delivers them.
  void TypeText(ItemField field, const QString& text) {
    Type(field, "");
    for (const QChar character : text) {
      QTest::sendKeyEvent(QTest::Click, form1.FieldBox(field), Qt::Key_unknown, QString(character),
                          Qt::NoModifier);
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

// The same rows as typed into the windows: the material, the list position to choose (-1
// for none) and the values of the table's field columns, in the column order below.
struct TypedRow {
  ArmourMaterial material;
  int position;
  std::array<const char*, 5> values;
};

constexpr std::array kColumns = {ItemField::Name, ItemField::Id, ItemField::Weight,
                                 ItemField::Description, ItemField::MinHp};

const std::array<TypedRow, 11> kTyped = {{
    {Platemail, 6, {"Dawn, the Bright", "dawn", " 12", "a \"fine\" set", "50"}},
    {Platemail, 5, {"D\xC3\xA4mmerung", "dm", "", "\xC3\x86rlig", ""}},
    {Ringmail, 4, {"\xD0\x9A\xD0\xBE\xD0\xBB\xD1\x8C\xD1\x86\xD0\xB0", "ring", "7 ", "", "1"}},
    {Ringmail, 2, {"Ring, Gloves", "rg", "3", "\xE8\xAA\xAC\xE6\x98\x8E", "2"}},
    {Chainmail, 3, {"Chain", "ch", "", ",", "3"}},
    {Chainmail, 2, {"\"Coif\"", "co", "9", "c", "4"}},
    {Leather, 6, {"Hide", "le", "1", "", ""}},
    {Leather, 5, {" Cap ", "lc", "2", "d", "5"}},
    {HardLeather, 5, {"Stud", "st", "4", "e", "6"}},
    {HardLeather, 2, {"Stud Arms", "sa", "5", "f", "7"}},
    {Leather, -1, {"No Piece", "np", "6", "g", "8"}},
}};

TEST_F(BatchAndWindows, GiveTheSameBytesForTheSameValues) {
  batch::BatchRun run;
  batch::TableReader reader(run);
  reader.Feed(kTable);
  reader.Finish();
  run.Finish();
  ASSERT_TRUE(run.Problems().empty());

  for (const TypedRow& row : kTyped) {
    ClickOption(row.material);
    for (const ArmourMaterial material : kArmourMaterials) {
      Pick(material, material == row.material ? row.position : -1);
    }
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
      TypeText(kColumns[column], QString::fromUtf8(row.values[column]));
    }
    const bool wholeSet = row.position == form1.PieceList(row.material)->count() - 1;
    Click(wholeSet ? form1::Button::WholeSet : form1::Button::Go);
  }
  EXPECT_EQ(run.Output(), Script());
  // 11 designer lines, 5 + 4 + 3 + 6 + 5 whole-set blocks and 6 single ones.
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
