// What a user does with a long unbroken word (a pasted hash or URL) and with a long script,
// once at each of two sizes ten times apart, with callgrind counting the instructions of each
// action on its own. tests/growth_check.py runs this under callgrind and compares the counts of
// the two sizes. Each action is named "ACTION GROWTH SIZE": a "linear" action may do work in
// proportion to the size, as laying the long line out once does; a "constant" one must not lay
// the long line, or every line, out again (a repaint still passes over the line's text once, a
// small fraction of laying it out). Without callgrind the actions just run.
#include <valgrind/callgrind.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <array>
#include <functional>
#include <string>

#include "form2.h"
#include "program_windows.h"

namespace armoursmith {
namespace {

// The long word's lengths and the long script's lines: the larger ten times the smaller.
constexpr std::array kWordLengths = {5000, 50000};
constexpr std::array kScriptLines = {2000, 20000};

void Count(const std::string& name, int size, const std::function<void()>& action) {
  const std::string dumpName = name + ' ' + std::to_string(size);
  CALLGRIND_START_INSTRUMENTATION;
  CALLGRIND_TOGGLE_COLLECT;
  action();
  CALLGRIND_TOGGLE_COLLECT;
  CALLGRIND_DUMP_STATS_AT(dumpName.c_str());
  CALLGRIND_STOP_INSTRUMENTATION;
}

// Puts the caret at the start or the end of the script's item definition line, where an edit
// lies next to the line before or after it.
void PlaceCaret(bench::ProgramWindows& windows, QTextCursor::MoveOperation place) {
  QPlainTextEdit* box = windows.ScriptBox();
  QTextCursor caret(box->document()->findBlockByNumber(1));
  caret.movePosition(place);
  box->setTextCursor(caret);
  windows.Paint();
}

void Type(bench::ProgramWindows& windows) {
  QTest::keyClick(windows.ScriptBox(), Qt::Key_X);
  windows.Paint();
}

// The long word as the item definition id, near the top of the script window.
void LongWord(bench::ProgramWindows& windows, int length) {
  Form2& form2 = windows.ShownScriptWindow();
  windows.MainWindow().FieldBox(ItemField::Id)->setText(QString(length, u'w'));
  form2.ClearScriptText();
  windows.Paint();
  Count("long-word-block linear", length, [&] { windows.ClickAndPaint(form1::Button::Go); });
  PlaceCaret(windows, QTextCursor::EndOfBlock);
  Count("keystroke-after-long-word linear", length, [&] { Type(windows); });
  PlaceCaret(windows, QTextCursor::StartOfBlock);
  Count("keystroke-before-long-word linear", length, [&] { Type(windows); });
  // As when the window is uncovered, with the caret on the first line.
  QPlainTextEdit* box = windows.ScriptBox();
  box->moveCursor(QTextCursor::Start);
  windows.Paint();
  Count("repaint-of-long-word constant", length, [&] { box->viewport()->repaint(); });

  QLineEdit* field = windows.MainWindow().FieldBox(ItemField::Description);
  field->setText(QString(length, u'w'));
  windows.Paint();
  Count("keystroke-in-long-field linear", length, [&] {
    QTest::keyClick(field, Qt::Key_X);
    field->repaint();
  });
}

void LongScript(bench::ProgramWindows& windows, int lines) {
  Form2& form2 = windows.ShownScriptWindow();
  form2.ClearScriptText();
  form2.AppendScriptText(QString("ARMOR=Armour\r\n").repeated(lines));
  windows.Paint();
  Count("ctrl-end-in-long-script constant", lines, [&] {
    QTest::keyClick(windows.ScriptBox(), Qt::Key_End, Qt::ControlModifier);
    windows.Paint();
    windows.Paint();  // the box holds the view at the end in reply to the scroll's own events
  });
}

}  // namespace
}  // namespace armoursmith

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  armoursmith::bench::ProgramWindows windows;
  for (const int length : armoursmith::kWordLengths) armoursmith::LongWord(windows, length);
  for (const int lines : armoursmith::kScriptLines) armoursmith::LongScript(windows, lines);
  return 0;
}
