// What the two generating buttons write, against golden scripts and tables written by hand.
#include <QComboBox>
#include <QLineEdit>
#include <array>

#include "test_data.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using testing::ReadGolden;
using testing::ReadTable;

// The field boxes in the order of the unusual texts below.
const QStringList kBoxes = {"txtid",  "txtdef", "txtname", "txtweight", "txtarmour", "txtstr",
                            "txtdex", "txtint", "txtdesc", "txtcolor",  "txtminhp",  "txtmaxhp"};
// Spaces, brackets, equals signs, braces, empty texts, non-ASCII, an emoji, a no-break space.
const QStringList kUnusualTexts = {
    " a]b ", "d=e", "N\u00e4me {x}", "",      "1\u00a02", "\U0001F6E1",
    "=",     "  ",  "[d] = {e}",     "[0x1]", "",         "}"};

// Each material's golden set and the list with its "Whole Set" position.
struct WholeSet {
  const char* golden;
  const char* choice;
};
constexpr std::array<WholeSet, 5> kWholeSets = {{
    {"platemail_set.txt", "cbo2=6"},
    {"ringmail_set.txt", "cbo1=4"},
    {"chainmail_set.txt", "cbo3=3"},
    {"leather_set.txt", "cbo4=6"},
    {"hard_leather_set.txt", "cbo5=5"},
}};

class ScriptTest : public testing::WindowsTest {
 protected:
  // The script one click writes into an empty script window.
  std::string ScriptOfClick(const QString& button) {
    if (ScriptWindow()) ScriptWindow()->ClearScriptText();
    Click(button);
    return Script();
  }
};

TEST_F(ScriptTest, ClicksWriteTheGoldenScriptsWithStartUpAndUnusualTexts) {
  for (const std::string texts : {"startup_", "unusual_"}) {
    if (texts == "unusual_") {
      for (qsizetype i = 0; i < kBoxes.size(); ++i) {
        Control<QLineEdit>(kBoxes[i])->setText(kUnusualTexts[i]);
      }
    }
    ChooseOnly("cbo2=1");
    EXPECT_EQ(ScriptOfClick("cmdgo"), ReadGolden(texts + "platemail_tunic.txt"));
    for (const WholeSet& set : kWholeSets) {
      ChooseOnly(set.choice);
      EXPECT_EQ(ScriptOfClick("cmdwholeset"), ReadGolden(texts + set.golden)) << set.golden;
      EXPECT_TRUE(ScriptWindowShown());
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
  for (const WholeSet& set : kWholeSets) {
    ChooseOnly(set.choice);
    const std::vector<std::string> writes =
        Writes(ReadGolden("startup_" + std::string(set.golden)));
    std::string kept;
    for (std::size_t k = 1; k <= writes.size(); ++k) {
      FailAt("txtscript", ControlOperation::AppendText, static_cast<int>(k));
      ASSERT_EQ(ScriptOfClick("cmdwholeset"), kept) << set.golden << " failing write " << k;
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
    EXPECT_TRUE(ScriptWindowShown());
  }
}

}  // namespace
}  // namespace armoursmith
