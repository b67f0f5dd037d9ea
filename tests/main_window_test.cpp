#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "piece_catalogue.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using testing::WindowsTest;

QRect Pixels(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

QString ParentName(const QWidget* widget) { return widget->parentWidget()->objectName(); }

TEST_F(WindowsTest, LayoutFollowsTheFixedTables) {
  EXPECT_EQ(form1.windowTitle(), "Admin Harnwright");
  EXPECT_EQ(form1.size(), QSize(412, 461));
  EXPECT_FALSE(form1.windowIcon().isNull());

  const auto frame = [&](const char* name) { return form1.findChild<QGroupBox*>(name); };
  EXPECT_EQ(frame("Frame1")->title(), "Mods of Armor");
  EXPECT_EQ(frame("Frame1")->geometry(), Pixels(3120, 120, 2895, 5655));
  EXPECT_EQ(frame("Frame2")->geometry(), Pixels(3120, 5880, 2895, 855));
  EXPECT_EQ(frame("Frame3")->title(), "Types Of Armour");
  EXPECT_EQ(frame("Frame4")->geometry(), Pixels(120, 3240, 2895, 1935));

  const auto* go = form1.Button(form1::Button::Go);
  EXPECT_EQ(go->text(), "MAKE SCRIPT!!!");
  EXPECT_EQ(go->geometry(), Pixels(120, 5280, 2895, 375));
  EXPECT_EQ(form1.Button(form1::Button::Reset)->geometry(), Pixels(1680, 6240, 1335, 495));
  EXPECT_EQ(form1.Button(form1::Button::WholeSet)->text(), "MAKE A WHOLE SET!!!");

  const auto* name = form1.FieldBox(ItemField::Name);
  EXPECT_EQ(name->objectName(), "txtname");
  EXPECT_EQ(ParentName(name), "Frame1");
  EXPECT_EQ(name->geometry(), Pixels(240, 1440, 2415, 375));
  const auto* dex = form1.FieldBox(ItemField::DexReq);
  EXPECT_EQ(ParentName(dex), "Frame4");
  EXPECT_EQ(dex->geometry(), Pixels(240, 840, 2175, 375));

  // Option captions stand on their lines 480 apart (540 before Hard Leather), not overlapping.
  const std::array<double, 5> captionLines = {547.5, 1027.5, 1507.5, 1987.5, 2527.5};
  for (std::size_t i = 0; i < kArmourMaterials.size(); ++i) {
    const QRadioButton* option = form1.OptionButton(kArmourMaterials[i]);
    EXPECT_EQ(ParentName(option), "Frame3");
    EXPECT_DOUBLE_EQ(option->geometry().top() + option->height() / 2.0, captionLines[i] / 15);
    EXPECT_EQ(option->text().toStdString(), CatalogueEntry(kArmourMaterials[i]).caption);
    if (i > 0) {
      EXPECT_LT(form1.OptionButton(kArmourMaterials[i - 1])->geometry().bottom(),
                option->geometry().top());
    }
  }
}

TEST_F(WindowsTest, OpensWithPromptsPlatemailAndNoPieceChosen) {
  const std::vector<QString> prompts = {"Itemdef",     "Defname", "Name",   "Weight",
                                        "Armour",      "StrReq",  "DexReq", "IntReq",
                                        "Description", "Color",   "Hp",     "Out of HP"};
  for (std::size_t i = 0; i < kItemFieldCount; ++i) {
    EXPECT_EQ(form1.FieldBox(kAllItemFields[i])->text(), prompts[i]);
  }
  for (const MaterialInfo& info : PieceCatalogue()) {
    const QComboBox* list = form1.PieceList(info.material);
    EXPECT_EQ(list->objectName().toStdString(), info.pieceList);
    EXPECT_EQ(ParentName(list), "Frame2");
    EXPECT_EQ(list->pos(), QPoint(16, 24));
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText().toStdString(), info.defaultText);
    EXPECT_TRUE(list->isEditable());
    EXPECT_EQ(list->isVisible(), info.material == ArmourMaterial::Platemail);
    EXPECT_EQ(form1.OptionButton(info.material)->isChecked(),
              info.material == ArmourMaterial::Platemail);
    ASSERT_EQ(list->count(), static_cast<int>(info.entries.size()));
    for (const PieceEntry& entry : info.entries) {
      EXPECT_EQ(list->itemText(entry.position).toStdString(), entry.label);
    }
  }
  EXPECT_EQ(QApplication::focusWidget(), form1.FieldBox(ItemField::Id));
}

TEST_F(WindowsTest, TabVisitsTheControlsInTabIndexOrder) {
  const std::vector<QString> expected = {
      "txtid",   "txtdef",   "txtname",  "txtweight",   "txtarmour", "txtdesc", "txtcolor",
      "cmdexit", "cmdreset", "cmdgo",    "cbo2",        "optplate",  "txtstr",  "txtdex",
      "txtint",  "txtminhp", "txtmaxhp", "cmdwholeset", "txtid"};
  ClickOption(ArmourMaterial::Platemail);
  form1.FieldBox(ItemField::Id)->setFocus();
  std::vector<QString> visited = {QApplication::focusWidget()->objectName()};
  for (std::size_t i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName());
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(WindowsTest, EnterPressesNothingAndTypingNeverChangesAListsEntries) {
  QTest::keyClick(form1.FieldBox(ItemField::Name), Qt::Key_Return);
  QTest::keyClick(form1.FieldBox(ItemField::Name), Qt::Key_Escape);
  EXPECT_EQ(scriptWindow.ExistingScriptWindow(), nullptr);

  QComboBox* list = form1.PieceList(ArmourMaterial::Platemail);
  list->lineEdit()->selectAll();
  QTest::keyClicks(list, "Mithril");
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(list->count(), 7);
  EXPECT_EQ(list->itemText(6), "Whole Set");
  EXPECT_EQ(list->currentIndex(), -1);
}

TEST_F(WindowsTest, PastedLineBreaksCutTheFieldAtTheFirstBreak) {
  QLineEdit* box = form1.FieldBox(ItemField::Description);
  box->setText("[a  b]");
  box->setCursorPosition(3);
  QApplication::clipboard()->setText("first\r\nsecond\nthird");
  box->paste();
  EXPECT_EQ(box->text(), "[a first b]");
  QApplication::clipboard()->setText(" x\u00a0y ");
  box->paste();
  EXPECT_EQ(box->text(), "[a first x\u00a0y  b]");
}

}  // namespace
}  // namespace armoursmith
