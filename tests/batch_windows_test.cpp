// A table run in batch gives, byte for byte, what the same values typed into the windows
// and the same buttons clicked give.
#include <QLineEdit>
#include <QTest>
#include <cstdint>

#include "batch_run.h"
#include "bounded_text.h"
#include "table_reader.h"
#include "test_data.h"
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

// Every material's whole set and one piece each, then a row without a piece; the columns
// Defname, Armour, StrReq, DexReq, IntReq, Color and Out of HP are left out.
TEST_F(BatchAndWindows, GiveTheSameBytesForTheSameValues) {
  batch::BoundedText output(SIZE_MAX);
  batch::BatchRun run(&output);
  batch::TableReader reader(run);
  reader.Feed(testing::ReadTestFile("batch/windows.csv"));
  reader.Finish();
  run.Finish();
  ASSERT_TRUE(run.Problems().empty());

  const QStringList boxes = {"txtname", "txtid", "txtweight", "txtdesc", "txtminhp"};
  for (const QStringList& row : testing::ReadTable("batch_windows.tsv")) {
    Click(row[0]);
    ChooseOnly(row[1]);
    for (qsizetype box = 0; box < boxes.size(); ++box) TypeOver(boxes[box], row[3 + box]);
    Click(row[2]);
  }
  EXPECT_EQ(output.Text(), Script());
  // The same bytes that every platform's batch run is checked against.
  EXPECT_EQ(Script(), testing::ReadTestFile("batch/windows.txt"));
  // The typed values arrived: 6 + 4 + 3 + 6 + 5 whole-set blocks and 6 single ones.
  EXPECT_EQ(QString::fromStdString(Script()).count("[ITEMDEF "), 6 + 4 + 3 + 6 + 5 + 6);
  EXPECT_NE(Script().find("NAME=\xD0\x9A\xD0\xBE\xD0\xBB\xD1\x8C\xD1\x86\xD0\xB0 Tunic\r\n"),
            std::string::npos);
  EXPECT_NE(Script().find("{2 Out of HP}\r\n"), std::string::npos);
}

}  // namespace
}  // namespace armoursmith
