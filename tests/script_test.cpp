// What the two generating buttons write, against golden scripts and tables written by hand.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "script_file_commands.h"
#include "test_data.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using testing::ReadGolden;
using testing::ReadTable;

class ScriptTest : public testing::WindowsTest {
 protected:
  // The script one click writes into an empty script window.
  std::string ScriptOfClick(const QString& button) {
    if (ScriptWindow()) ScriptWindow()->ClearScriptText();
    Click(button);
    return Script();
  }
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

TEST_F(ScriptTest, ClicksWriteTheGoldenScriptsWithStartUpAndUnusualTexts) {
  for (const std::string texts : {"startup_", "unusual_"}) {
    if (texts == "unusual_") {
      for (const QStringList& row : ReadTable("unusual_texts.tsv")) {
        Control<QLineEdit>(row[0])->setText(row[1]);
      }
    }
    ChooseOnly("cbo2=1");
    EXPECT_EQ(ScriptOfClick("cmdgo"), ReadGolden(texts + "platemail_tunic.txt"));
    for (const QStringList& set : ReadTable("whole_sets.tsv")) {
      ChooseOnly(set[1]);
      EXPECT_EQ(ScriptOfClick("cmdwholeset"), ReadGolden(texts + set[0].toStdString())) << set[0];
    }
  }
}

// Every line is one write, except that an empty line goes with the line before it.
std::vector<std::string> Writes(const std::string& script) {
  std::vector<std::string> writes;
  for (std::size_t start = 0, end; start < script.size(); start = end + 2) {
    end = script.find("\r\n", start);
    if (end == start) {
      writes.back() += "\r\n";
    } else {
      writes.push_back(script.substr(start, end + 2 - start));
    }
  }
  return writes;
}

TEST_F(ScriptTest, AFailedWriteInAWholeSetKeepsExactlyTheWritesBeforeIt) {
  for (const QStringList& set : ReadTable("whole_sets.tsv")) {
    ChooseOnly(set[1]);
    const std::vector<std::string> writes = Writes(ReadGolden("startup_" + set[0].toStdString()));
    std::string kept;
    for (std::size_t k = 1; k <= writes.size(); ++k) {
      FailAt("txtscript", ControlOperation::AppendText, static_cast<int>(k));
      ASSERT_EQ(ScriptOfClick("cmdwholeset"), kept) << set[0] << " failing write " << k;
      EXPECT_FALSE(ScriptWindowShown());
      kept += writes[k - 1];
    }
  }
  EXPECT_EQ(reportedErrors.size(), 99u + 65u + 49u + 99u + 83u);
  gate.onCall = [](const ControlCall&) { throw ControlError(-7, {"", {}, {}}); };
  EXPECT_EQ(ScriptOfClick("cmdwholeset"), "");  // the first operation already fails
}

TEST_F(ScriptTest, EveryListEntryHasItsLabelAndWritesItsIdLine) {
  std::map<QString, int> entries;
  for (const QStringList& row : ReadTable("piece_lists.tsv")) {
    auto* list = Control<QComboBox>(row[0]);
    EXPECT_EQ(list->itemText(row[1].toInt()), row[2]);
    ++entries[row[0]];
    ChooseOnly(row[0] + "=" + row[1]);
    const std::string script = ScriptOfClick("cmdgo");
    EXPECT_EQ(script.find("\r\nID="), script.find("\r\n" + row[3].toStdString() + "\r\n"))
        << row.join(' ');
  }
  for (const auto& [list, count] : entries) EXPECT_EQ(Control<QComboBox>(list)->count(), count);
}

TEST_F(ScriptTest, TheEarlierListInTheFixedOrderDecides) {
  for (const QStringList& row : ReadTable("search_order.tsv")) {
    ChooseOnly(row[1]);
    const std::string script = ScriptOfClick(row[0]);
    const std::size_t id = script.find("\r\nID=");
    const std::string firstId =
        id == std::string::npos ? "-" : script.substr(id + 2, script.find('\r', id + 2) - id - 2);
    EXPECT_EQ(firstId, row[2].toStdString()) << row.join(' ');
  }
}

// The rows of the table batch/windows.csv typed into the windows: every material's whole set
// and one piece each, then a row without a piece, with the columns Defname, Armour, StrReq,
// DexReq, IntReq, Color and Out of HP left out. The batch run is checked against the same bytes
// on every platform (tests/check-batch-command.sh). Saved, the file holds those bytes too.
TEST_F(ScriptTest, TheWindowsWriteAndSaveWhatTheBatchRunWritesForTheSameValues) {
  const QStringList boxes = {"txtname", "txtid", "txtweight", "txtdesc", "txtminhp"};
  for (const QStringList& row : ReadTable("batch_windows.tsv")) {
    Click(row[0]);
    ChooseOnly(row[1]);
    for (qsizetype box = 0; box < boxes.size(); ++box) TypeOver(boxes[box], row[3 + box]);
    Click(row[2]);
  }
  const std::string expected = testing::ReadTestFile("batch/windows.txt");
  EXPECT_EQ(Script(), expected);

  // The helmet's row follows the Platemail set's "[EOF]", which the batch run warns of too.
  const QTemporaryDir folder;
  dialogs.answers = {"Save anyway", folder.filePath("windows")};
  PressIn(&form1, kSaveKeys);
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_TRUE(dialogs.asked[0].startsWith("Line 111 is \"[EOF]\"")) << dialogs.asked[0];
  QFile saved(folder.filePath("windows.scp"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll().toStdString(), expected);
}

}  // namespace
}  // namespace armoursmith
