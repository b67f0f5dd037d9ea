// What leaves the program is what it wrote: copying out of the script box, the field boxes'
// line rule, the piece lists' choice, the keyboard focus and the wrapping of long lines.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <functional>
#include <vector>

#include "platform_expectations.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using ScriptOutputTest = testing::WindowsTest;

TEST_F(ScriptOutputTest, ACopyGivesEveryCharacterAsPlainTextOnly) {
  const QString unusual = "a\u00a0b\tc \u00e9\u4e2d \U0001F6E1\u0301 \x01";
  form1.FieldBox(ItemField::Name)->setText(unusual);
  form1.FieldBox(ItemField::Color)->selectAll();
  QTest::keyClicks(form1.FieldBox(ItemField::Color), "0x\u00a0\u00a0");
  Click("cmdgo");
  const QString script = ScriptWindow()->ScriptText();
  EXPECT_TRUE(script.contains("NAME=" + unusual + "\r\nTYPE=T_ARMOR\r\n")) << script;
  EXPECT_TRUE(script.contains("\r\nCOLOR=0x\u00a0\u00a0\r\n{Hp Out of HP}\r\n")) << script;

  ScriptWindow()->TextBox()->selectAll();
  ScriptWindow()->TextBox()->copy();
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  EXPECT_EQ(copied->formats(), QStringList{"text/plain"});
  EXPECT_EQ(copied->text(), QString(script).replace("\r\n", testing::kClipboardLineEnd));
}

// Every way a line break can reach a field box, with every character the script box takes as
// one: the box keeps what stands before it, so each block keeps all its lines.
TEST_F(ScriptOutputTest, NoFieldEverHoldsALineBreakHoweverItArrives) {
  const std::array<QChar, 6> breaks = {u'\r', u'\n', u'\u2028', u'\u2029', u'\ufdd0', u'\ufdd1'};
  const std::array<std::function<void(QLineEdit*, const QString&)>, 4> ways = {
      [](QLineEdit* box, const QString& text) { box->setText(text); },
      [](QLineEdit* box, const QString& text) {  // typed
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(box, &key);
      },
      [](QLineEdit* box, const QString& text) {
        QApplication::clipboard()->setText(text);
        box->paste();
      },
      [](QLineEdit* box, const QString& text) {  // composed by an input method
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
      },
  };
  for (const QChar lineBreak : breaks) {
    for (std::size_t way = 0; way < ways.size(); ++way) {
      for (const ItemField field : kAllItemFields) {
        QLineEdit* box = form1.FieldBox(field);
        box->clear();
        ways[way](box, QString("x") + lineBreak + "y");
        EXPECT_EQ(box->text(), "x") << way << " U+" << QString::number(lineBreak.unicode(), 16);
      }
    }
  }
  // An input method may leave the caret before what it composed: only the break goes then.
  QInputMethodEvent caretFirst({}, {{QInputMethodEvent::Selection, 0, 0}});
  caretFirst.setCommitString("x\ny");
  form1.FieldBox(ItemField::Name)->clear();
  QApplication::sendEvent(form1.FieldBox(ItemField::Name), &caretFirst);
  EXPECT_EQ(form1.FieldBox(ItemField::Name)->text(), "xy");
  form1.FieldBox(ItemField::Defname)->setText(QString(3, u'\u2029'));
  form1.FieldBox(ItemField::Name)
      ->setText(QString("\U0001F6E1") + QChar(0xDC00) + QChar(0xDC00) + QChar(0xD800));
  Click("cmdgo");
  const QStringList lines = ScriptWindow()->ScriptText().split("\r\n");
  ASSERT_EQ(lines.size(), 18);  // 17 lines, then nothing after the last line end
  EXPECT_EQ(lines[2], "DEFNAME=");
  EXPECT_EQ(lines[3], "NAME=\U0001F6E1\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(lines[16], "{x x}");
}

TEST_F(ScriptOutputTest, OnlyTheDropDownOrArrowKeysChooseAPiece) {
  QComboBox* list = form1.PieceList(ArmourMaterial::Platemail);
  list->setFocus();
  // Typing over the field can be taken back, as in any text field.
  list->lineEdit()->selectAll();
  QTest::keyClicks(list, "Gaunt");
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(list->currentText(), "Platemail Piece");
  for (const char* label : {"Tunic", "Whole Set", "tunic"}) {
    list->lineEdit()->selectAll();
    QTest::keyClicks(list, label);
    QTest::keyClick(list, Qt::Key_Return);
    form1.FieldBox(ItemField::Id)->setFocus();  // leaving the list chooses nothing either
    list->setFocus();
    EXPECT_EQ(list->currentIndex(), -1) << label;
    EXPECT_EQ(list->currentText(), label);
  }
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentIndex(), 0);
  list->lineEdit()->selectAll();
  QTest::keyClicks(list, "Gaunt");  // nothing completes it either
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_EQ(list->currentText(), "Gaunt");
  Click("cmdgo");
  EXPECT_EQ(Script().find("ID="), std::string::npos) << Script();
}

TEST_F(ScriptOutputTest, TheMainWindowKeepsTheKeyboardOnEveryClick) {
  QPushButton* make = form1.Button(form1::Button::Go);
  for (int click = 0; click < 3; ++click) {
    make->setFocus();
    QTest::keyClick(make, Qt::Key_Space);
    QTest::qWait(20);
    EXPECT_TRUE(ScriptWindowShown());
    EXPECT_EQ(QApplication::activeWindow(), &form1) << "click " << click;
    EXPECT_EQ(QApplication::focusWidget(), make) << "click " << click;
    if (click == 1) ScriptWindow()->showMinimized();
  }
}

// Scrolled to the end by the keyboard or by dragging the scroll bar, the box shows its last
// line whole at the bottom, not less than a screenful.
TEST_F(ScriptOutputTest, TheBoxEndsAtItsLastLine) {
  for (int click = 0; click < 4; ++click) Click("cmdgo");
  ScriptBox* box = ScriptWindow()->TextBox();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(ScriptWindow()));
  QTextCursor end(box->document());
  end.movePosition(QTextCursor::End);
  for (const auto& scrollToTheEnd :
       {std::function([&] { QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier); }),
        std::function([&] {
          QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier);
          box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
        })}) {
    scrollToTheEnd();
    QCoreApplication::processEvents();
    const int below = box->viewport()->height() - box->cursorRect(end).bottom();
    EXPECT_GE(below, 0);
    EXPECT_LT(below, box->fontMetrics().lineSpacing() * 2);
  }
}

// What the screen shows after an edit is what drawing the window afresh shows: the lines below
// have moved when the edit wrapped a line onto a second one, split a line with Enter, or
// replaced the end of one line and the start of the next with two other lines.
TEST_F(ScriptOutputTest, AnEditRedrawsTheLinesBelowIt) {
  for (int click = 0; click < 2; ++click) Click("cmdgo");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(ScriptWindow()));
  ScriptBox* box = ScriptWindow()->TextBox();
  const auto caretInLine = [&](int line, int column) {
    QTextCursor caret(box->document()->findBlockByNumber(line));
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    box->setTextCursor(caret);
  };
  const std::vector<std::function<void()>> edits = {
      [&] {
        caretInLine(3, 9);
        QTest::keyClicks(box, QString(" name").repeated(30));
      },
      [&] {
        caretInLine(5, 3);
        QTest::keyClick(box, Qt::Key_Return);
      },
      [&] {
        caretInLine(7, 3);
        box->moveCursor(QTextCursor::Down, QTextCursor::KeepAnchor);
        QApplication::clipboard()->setText("x\ny");
        box->paste();
      },
  };
  for (std::size_t edit = 0; edit < edits.size(); ++edit) {
    edits[edit]();
    QCoreApplication::processEvents();
    const QImage shown = ScriptWindow()->screen()->grabWindow(ScriptWindow()->winId()).toImage();
    EXPECT_EQ(shown, ScriptWindow()->grab().toImage().convertToFormat(shown.format())) << edit;
  }
}

// The box breaks lines where the toolkit's own layout of the same text would, at word
// boundaries and inside a word only where the word alone is wider than the box.
TEST_F(ScriptOutputTest, LongLinesWrapAsTheToolkitWrapsThemWithoutScrollBars) {
  Click("cmdgo");
  ScriptBox* box = ScriptWindow()->TextBox();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(ScriptWindow()));
  const QString words = "Sir Reginald's gleaming breastplate, forged at dawn in the old mill; ";
  const QStringList texts = {
      words.repeated(12),
      "DESCRIPTION=" + QString(3000, u'w'),
      "NAME=" + words + QString(700, u'h') + ' ' + words.repeated(3) + QString(300, u'q'),
      QString("e\u0301").repeated(900) + " \u4e2d\u6587\u6587\u5b57" + QString(400, u'\u4e2d'),
      "a" + QString(300, u'\u0301') + ' ' + words.repeated(3),  // a long word that fits
      QString("\U0001F6E1\t").repeated(300) + QString(260, u'z') + " end",
  };
  const qreal width = box->viewport()->width() - 2 * box->document()->documentMargin();
  for (const QString& text : texts) {
    ScriptWindow()->ClearScriptText();
    ScriptWindow()->AppendScriptText(text);
    const QTextBlock block = box->document()->firstBlock();
    box->document()->documentLayout()->blockBoundingRect(block);
    QTextLayout expected(text, box->document()->defaultFont());
    QTextOption wordsFirst = box->document()->defaultTextOption();
    wordsFirst.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    expected.setTextOption(wordsFirst);
    expected.beginLayout();
    QList<int> expectedStarts, starts;
    for (QTextLine line = expected.createLine(); line.isValid(); line = expected.createLine()) {
      line.setLineWidth(width);
      expectedStarts.append(line.textStart());
    }
    expected.endLayout();
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
      starts.append(block.layout()->lineAt(i).textStart());
    }
    EXPECT_GT(starts.size(), 3);
    EXPECT_EQ(block.lineCount(), starts.size());  // the scroll range counts these lines
    EXPECT_EQ(box->verticalScrollBar()->maximum(), starts.size() - 1);
    for (int i = 1; i < block.layout()->lineCount(); ++i) {
      EXPECT_GT(block.layout()->lineAt(i).y(), block.layout()->lineAt(i - 1).y());
    }
    EXPECT_EQ(starts, expectedStarts) << text.left(20);
    EXPECT_EQ(ScriptWindow()->ScriptText(), text);  // wrapping adds no line break
  }
  // However long the script, the box shows no scroll bars.
  EXPECT_FALSE(box->verticalScrollBar()->isVisible());
  EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
}

}  // namespace
}  // namespace armoursmith
