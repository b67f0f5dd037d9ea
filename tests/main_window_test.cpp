#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QWindow>
#include <algorithm>

#include "test_data.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using testing::WindowsTest;

// What a window, a frame, a button, a box or a list shows as its text.
QString Text(const QWidget* control) {
  if (control->isWindow()) return control->windowTitle();
  if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
  if (const auto* list = qobject_cast<const QComboBox*>(control)) return list->currentText();
  if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) return box->toPlainText();
  return control->property("text").toString();
}

// Checks one row of the layout table against the control; `textColumn` picks the start-up text
// or the text after Reset.
void ExpectLikeTheTable(const QWidget* control, const QStringList& row, int textColumn) {
  ASSERT_NE(control, nullptr) << row[0];
  const bool grows = row[5].endsWith('+');
  int height = row[5].chopped(grows ? 1 : 0).toInt();
  if (grows) height = std::max(height, control->sizeHint().height());
  EXPECT_EQ(control->size(), QSize(row[4].toInt(), height)) << row[0];
  if (row[1] != "-") {
    EXPECT_EQ(control->parentWidget()->objectName(), row[1]) << row[0];
    EXPECT_EQ(control->pos(), QPoint(row[2].toInt(), row[3].toInt())) << row[0];
  }
  EXPECT_EQ(Text(control), row[textColumn]) << row[0];
  EXPECT_EQ(control->toolTip(), row[8]) << row[0];
  EXPECT_EQ(
      QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control))->text(QAccessible::Name),
      row[9])
      << row[0];
}

TEST_F(WindowsTest, BothWindowsFollowTheLayoutTableAndResetWritesItsTexts) {
  const std::vector<QStringList> table = testing::ReadTable("layout.tsv");
  const auto expectLikeTheTable = [&](int textColumn) {
    for (const QStringList& row : table) {
      QWidget* window =
          row[0] == "Form2" || row[1] == "Form2" ? static_cast<QWidget*>(ScriptWindow()) : &form1;
      if (!window) continue;  // no script window before the first Reset
      ExpectLikeTheTable(
          window->objectName() == row[0] ? window : window->findChild<QWidget*>(row[0]), row,
          textColumn);
    }
  };
  expectLikeTheTable(6);
  for (const QWidget* control : form1.findChildren<QWidget*>()) {
    const QString name = control->objectName();
    EXPECT_TRUE(name.isEmpty() || name.startsWith("qt_") ||
                std::ranges::count(table, name, [](const QStringList& row) { return row[0]; }))
        << name;
  }
  for (QLineEdit* box : form1.findChildren<QLineEdit*>(QRegularExpression("^txt"))) {
    box->setText("typed");
  }
  Click("cmdreset");
  expectLikeTheTable(7);
  EXPECT_FALSE(ScriptWindow()->testAttribute(Qt::WA_SetWindowIcon));
}

TEST_F(WindowsTest, OpensOnPlatemailWithNoPieceChosenAndTheFocusInTheFirstBox) {
  for (const char* list : {"cbo1", "cbo2", "cbo3", "cbo4", "cbo5"}) {
    EXPECT_EQ(Control<QComboBox>(list)->currentIndex(), -1);
    EXPECT_EQ(Control(list)->isVisible(), list == std::string("cbo2")) << list;
  }
  for (const char* option : {"optplate", "optring", "optchain", "optleather", "opthleather"}) {
    EXPECT_EQ(Control<QRadioButton>(option)->isChecked(), option == std::string("optplate"));
  }
  EXPECT_EQ(QApplication::focusWidget(), Control("txtid"));
}

// The controls focused from the Id box on, `count` of them, when pressing Tab again and again,
// with `modifier` held.
QStringList FocusedFromTheIdBox(QWidget* idBox, Qt::KeyboardModifier modifier, qsizetype count) {
  idBox->setFocus();
  QStringList focused = {QApplication::focusWidget()->objectName()};
  while (focused.size() < count) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifier);
    focused.append(QApplication::focusWidget()->objectName());
  }
  return focused;
}

TEST_F(WindowsTest, TabAndShiftTabVisitTheControlsInTabIndexOrder) {
  for (const QStringList& row : testing::ReadTable("tab_order.tsv")) {
    for (const QString& click : row[0].split(' ', Qt::SkipEmptyParts)) Click(click);
    const QStringList expected = row.mid(1);
    // Shift+Tab first: at start it is then the very first key the window gets.
    QStringList back = FocusedFromTheIdBox(Control("txtid"), Qt::ShiftModifier, expected.size());
    std::ranges::reverse(back);
    EXPECT_EQ(back.join(' '), expected.join(' ')) << "Shift+Tab after: " << row[0];
    EXPECT_EQ(FocusedFromTheIdBox(Control("txtid"), Qt::NoModifier, expected.size()).join(' '),
              expected.join(' '))
        << "Tab after: " << row[0];
  }
}

TEST_F(WindowsTest, KeysPressOnlyTheFocusedButtonAndPastedTextStaysOnOneLine) {
  QTest::keyClick(Control("txtname"), Qt::Key_Return);
  QTest::keyClick(Control("txtname"), Qt::Key_Escape);
  EXPECT_EQ(ScriptWindow(), nullptr);
  Control("cmdgo")->setFocus();
  QTest::keyClick(Control("cmdgo"), Qt::Key_Return);
  EXPECT_TRUE(ScriptWindowShown());

  // Pasted line breaks cut the pasted text; everything else stays verbatim, at any length.
  auto* box = Control<QLineEdit>("txtdesc");
  box->setText("[a  b]");
  box->setCursorPosition(3);
  QApplication::clipboard()->setText("first\r\nsecond\nthird");
  box->paste();
  QApplication::clipboard()->setText(" x\u00a0y");
  box->paste();
  EXPECT_EQ(box->text(), "[a first x\u00a0y b]");
  const QString longText(100000, 'w');
  Control<QLineEdit>("txtweight")->setText(longText);
  ScriptWindow()->ClearScriptText();
  Click("cmdgo");
  EXPECT_TRUE(ScriptWindow()->ScriptText().contains("\r\nWEIGHT=" + longText + "\r\n"));
}

// A piece list is heard as an editable drop-down list whose value is the text in its field;
// its name stays its own whatever entry is chosen (the layout table gives every control's name).
TEST_F(WindowsTest, APieceListIsHeardAsAnEditableDropDownList) {
  Pick("cbo3", 0);
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(Control("cbo3"));
  EXPECT_EQ(list->role(), QAccessible::ComboBox);
  EXPECT_TRUE(list->state().editable);
  EXPECT_TRUE(list->state().expandable);
  EXPECT_EQ(list->text(QAccessible::Name), "Chainmail piece");
  EXPECT_EQ(list->text(QAccessible::Value), "Tunic");
  for (const QString& action :
       {QAccessibleActionInterface::pressAction(), QAccessibleActionInterface::showMenuAction()}) {
    Control<QComboBox>("cbo3")->hidePopup();
    list->actionInterface()->doAction(action);
    EXPECT_TRUE(Control<QComboBox>("cbo3")->view()->isVisible()) << action;
  }
}

// The names of the controls directly under `control`, in the order a screen reader walks them.
QStringList ReadingOrder(QAccessibleInterface* control) {
  QStringList names;
  for (int i = 0; i < control->childCount(); ++i) {
    const QString name = control->child(i)->text(QAccessible::Name);
    if (!name.isEmpty()) names.append(name);
  }
  return names;
}

TEST_F(WindowsTest, AScreenReaderWalksTheControlsInTheirReadingOrder) {
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form1);
  std::vector<QStringList> walked = {QStringList{window->text(QAccessible::Name)} +
                                     ReadingOrder(window)};
  for (int i = 0; i < window->childCount(); ++i) {
    const QStringList below = ReadingOrder(window->child(i));
    if (!below.isEmpty())
      walked.push_back(QStringList{window->child(i)->text(QAccessible::Name)} + below);
  }
  EXPECT_EQ(walked, testing::ReadTable("reading_order.tsv"));
}

// The user's own typing in the script box can be taken back, also after the program has
// appended to it.
TEST_F(WindowsTest, TheUserCanUndoTheirTypingInTheScriptBox) {
  Click("cmdgo");
  QPlainTextEdit* box = ScriptWindow()->TextBox();
  QTest::keyClicks(box, "!");
  box->undo();
  EXPECT_TRUE(Script().starts_with("// Designed By"));
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

// The table fixes the rectangles; at every scale factor the controls must also lie inside their
// frame's border and below its title, and every text must fit its control.
TEST_F(WindowsTest, LayoutStaysWholeAndSharpAtTheScaleFactor) {
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
  EXPECT_DOUBLE_EQ(form1.windowHandle()->devicePixelRatio(), factor);
  EXPECT_EQ(form1.size(), QSize(412, 461));
  // Painted at the full device resolution, which keeps the text sharp.
  EXPECT_EQ(form1.grab().size(), (QSizeF(form1.size()) * factor).toSize());
  for (const QGroupBox* frame : form1.findChildren<QGroupBox*>()) {
    EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width());
    for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      EXPECT_TRUE(frame->contentsRect().contains(child->geometry())) << child->objectName();
    }
  }
  for (const QWidget* control :
       form1.findChildren<QWidget*>(QRegularExpression("^(txt|cmd|opt|cbo)"))) {
    QStringList texts = {control->property("text").toString()};
    if (const auto* list = qobject_cast<const QComboBox*>(control)) {
      for (int k = 0; k < list->count(); ++k) texts.append(list->itemText(k));
      control = list->lineEdit();
    }
    for (const QString& text : texts) {
      EXPECT_LE(control->fontMetrics().horizontalAdvance(text), RoomForText(control)) << text;
    }
  }
}

}  // namespace
}  // namespace armoursmith
