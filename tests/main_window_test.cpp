#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QWindow>
#include <set>

#include "piece_catalogue.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using testing::WindowsTest;

QRect Twips(int left, int top, int width, int height) {
  return {left / 15, top / 15, width / 15, height / 15};
}

QString Parent(const QWidget* widget) { return widget->parentWidget()->objectName(); }

TEST_F(WindowsTest, LayoutFollowsTheFixedTables) {
  EXPECT_EQ(form1.windowTitle(), "Admin Harnwright");
  EXPECT_EQ(form1.size(), QSize(412, 461));
  EXPECT_FALSE(form1.windowIcon().isNull());
  const auto* frame1 = form1.findChild<QGroupBox*>("Frame1");
  EXPECT_EQ(frame1->title(), "Mods of Armor");
  EXPECT_EQ(frame1->geometry(), Twips(3120, 120, 2895, 5655));
  EXPECT_EQ(form1.findChild<QGroupBox*>("Frame4")->geometry(), Twips(120, 3240, 2895, 1935));
  EXPECT_EQ(form1.Button(form1::Button::Go)->text(), "MAKE SCRIPT!!!");
  EXPECT_EQ(form1.Button(form1::Button::Reset)->geometry(), Twips(1680, 6240, 1335, 495));
  EXPECT_EQ(form1.FieldBox(ItemField::Name)->geometry(), Twips(240, 1440, 2415, 375));
  EXPECT_EQ(Parent(form1.FieldBox(ItemField::DexReq)), "Frame4");
  EXPECT_EQ(form1.FieldBox(ItemField::DexReq)->geometry(), Twips(240, 840, 2175, 375));
  // Option captions stay on their lines, 480 twips apart (540 before Hard Leather).
  const std::array<double, 5> captionLines = {547.5, 1027.5, 1507.5, 1987.5, 2527.5};
  for (const ArmourMaterial material : kArmourMaterials) {
    const QRect option = form1.OptionButton(material)->geometry();
    EXPECT_DOUBLE_EQ(option.top() + option.height() / 2.0,
                     captionLines[static_cast<std::size_t>(material)] / 15);
  }
}

TEST_F(WindowsTest, OpensWithPromptsPlatemailNoPieceAndNamedControls) {
  const QStringList prompts = {"Itemdef",     "Defname", "Name",   "Weight",
                               "Armour",      "StrReq",  "DexReq", "IntReq",
                               "Description", "Color",   "Hp",     "Out of HP"};
  std::set<QString> accessibleNames;
  const auto named = [&](QWidget* control) {
    const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    EXPECT_TRUE(!name.isEmpty() && accessibleNames.insert(name).second) << name;
  };
  for (const ItemField field : kAllItemFields) {
    QLineEdit* box = form1.FieldBox(field);
    EXPECT_EQ(box->text(), prompts[static_cast<qsizetype>(field)]);
    EXPECT_EQ(box->toolTip(), box->accessibleName());
    named(box);
  }
  for (const MaterialInfo& info : PieceCatalogue()) {
    QComboBox* list = form1.PieceList(info.material);
    const bool platemail = info.material == ArmourMaterial::Platemail;
    EXPECT_EQ(Parent(list), "Frame2");
    EXPECT_EQ(list->pos(), QPoint(16, 24));
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->currentText().toStdString(), info.defaultText);
    EXPECT_EQ(list->isVisible(), platemail);
    EXPECT_EQ(form1.OptionButton(info.material)->isChecked(), platemail);
    ASSERT_EQ(list->count(), static_cast<int>(info.entries.size()));
    for (const PieceEntry& entry : info.entries) {
      EXPECT_EQ(list->itemText(entry.position).toStdString(), entry.label);
    }
    named(list);
    named(form1.OptionButton(info.material));
  }
  for (const form1::ButtonLayout& layout : form1::kButtons) named(form1.Button(layout.button));
  EXPECT_EQ(QApplication::focusWidget(), form1.FieldBox(ItemField::Id));
}

// Also when the chosen option button was last chosen by Reset rather than by the user.
TEST_F(WindowsTest, TabVisitsTheControlsInTabIndexOrder) {
  const QStringList expected = {"txtid",    "txtdef",   "txtname",     "txtweight", "txtarmour",
                                "txtdesc",  "txtcolor", "cmdexit",     "cmdreset",  "cmdgo",
                                "cbo2",     "optplate", "txtstr",      "txtdex",    "txtint",
                                "txtminhp", "txtmaxhp", "cmdwholeset", "txtid"};
  ClickOption(ArmourMaterial::Ringmail);
  Click(form1::Button::Reset);
  form1.FieldBox(ItemField::Id)->setFocus();
  QStringList visited = {QApplication::focusWidget()->objectName()};
  while (visited.size() < expected.size()) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.append(QApplication::focusWidget()->objectName());
  }
  EXPECT_EQ(visited, expected);
}

TEST_F(WindowsTest, KeysPressOnlyTheFocusedButtonAndTypingNeverMakesAnEntryOrALineBreak) {
  QTest::keyClick(form1.FieldBox(ItemField::Name), Qt::Key_Return);
  QTest::keyClick(form1.FieldBox(ItemField::Name), Qt::Key_Escape);
  EXPECT_EQ(ScriptWindow(), nullptr);
  form1.Button(form1::Button::Go)->setFocus();
  QTest::keyClick(form1.Button(form1::Button::Go), Qt::Key_Return);
  EXPECT_TRUE(ScriptWindowShown());

  // Typing over a list's field clears its choice; the typed text stays and is no entry.
  QComboBox* list = form1.PieceList(ArmourMaterial::Platemail);
  Pick(ArmourMaterial::Platemail, 1);
  list->lineEdit()->selectAll();
  QTest::keyClicks(list, "Tunic!");
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(list->count(), 7);
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_EQ(list->currentText(), "Tunic!");

  // Pasted line breaks cut the pasted text; everything else stays verbatim.
  QLineEdit* box = form1.FieldBox(ItemField::Description);
  box->setText("[a  b]");
  box->setCursorPosition(3);
  QApplication::clipboard()->setText("first\r\nsecond\nthird");
  box->paste();
  QApplication::clipboard()->setText(" x\u00a0y");
  box->paste();
  EXPECT_EQ(box->text(), "[a first x\u00a0y b]");
}

// The width the style leaves for a control's text.
int RoomForText(const QWidget* control) {
  QStyleOptionButton option;
  option.initFrom(control);
  if (qobject_cast<const QLineEdit*>(control)) return control->contentsRect().width() - 4;
  const bool isOption = qobject_cast<const QRadioButton*>(control) != nullptr;
  return control->style()
      ->subElementRect(isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                       &option, control)
      .width();
}

// Children lie inside their parent (inside a frame's border, below its title) and apart from
// each other, but for the piece lists, which share one spot by design; their texts fit.
void ExpectWholeAndApart(const QWidget* parent) {
  const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const QRect room =
      qobject_cast<const QGroupBox*>(parent) ? parent->contentsRect() : parent->rect();
  for (qsizetype i = 0; i < children.size(); ++i) {
    const QWidget* child = children[i];
    EXPECT_TRUE(room.contains(child->geometry())) << child->objectName();
    for (qsizetype j = 0; j < i; ++j) {
      const bool lists =
          qobject_cast<const QComboBox*>(child) && qobject_cast<QComboBox*>(children[j]);
      EXPECT_TRUE(lists || !children[j]->geometry().intersects(child->geometry()))
          << children[j]->objectName() << " overlaps " << child->objectName();
    }
    QStringList texts = {child->property("text").toString()};
    if (const auto* list = qobject_cast<const QComboBox*>(child)) {
      for (int k = 0; k < list->count(); ++k) texts.append(list->itemText(k));
      child = list->lineEdit();
    }
    for (const QString& text : texts) {
      EXPECT_LE(child->fontMetrics().horizontalAdvance(text), RoomForText(child)) << text;
    }
  }
}

TEST_F(WindowsTest, LayoutStaysWholeAndSharpAtTheScaleFactor) {
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
  EXPECT_DOUBLE_EQ(form1.windowHandle()->devicePixelRatio(), factor);
  EXPECT_EQ(form1.size(), QSize(412, 461));
  // Painted at the full device resolution, which keeps the text sharp.
  EXPECT_EQ(form1.grab().size(), (QSizeF(form1.size()) * factor).toSize());
  ExpectWholeAndApart(&form1);
  for (const QGroupBox* frame : form1.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
    ExpectWholeAndApart(frame);
    EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width());
  }
}

}  // namespace
}  // namespace armoursmith
