#include "program_windows.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "form2.h"

namespace armoursmith::bench {
namespace {

// Notes the first paint of the widget it watches.
class PaintWatch : public QObject {
 public:
  bool painted = false;

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

}  // namespace

bool WaitUntilPainted(QWidget& widget) {
  PaintWatch watch;
  widget.installEventFilter(&watch);
  widget.show();
  // The paint event arrives in the middle of painting the whole window; the loop looks at it
  // only once that has finished.
  const QDeadlineTimer deadline(10000);
  while (!watch.painted && !deadline.hasExpired()) QCoreApplication::processEvents();
  widget.removeEventFilter(&watch);
  return watch.painted;
}

ProgramWindows::ProgramWindows()
    : form1_(scriptWindow_, gate_, [](const std::exception& error) {
        qFatal("a click handler failed: %s", error.what());
      }) {
  if (!WaitUntilPainted(form1_)) qFatal("the main window was not painted");
}

void ProgramWindows::PickPlatemail(int position) {
  form1_.PieceList(ArmourMaterial::Platemail)->setCurrentIndex(position);
}

void ProgramWindows::ClickAndPaint(form1::Button button) {
  QTest::mouseClick(form1_.Button(button), Qt::LeftButton);
  Paint();
}

void ProgramWindows::Paint() {
  if (Form2* form2 = scriptWindow_.ExistingScriptWindow()) form2->TextBox()->repaint();
  QCoreApplication::processEvents();
}

Form2& ProgramWindows::ShownScriptWindow() {
  Form2* form2 = scriptWindow_.ExistingScriptWindow();
  if (!form2 || !form2->isVisible()) {
    PickPlatemail(kWholeSet);
    ClickAndPaint(form1::Button::WholeSet);
    form2 = scriptWindow_.ExistingScriptWindow();
    if (!QTest::qWaitForWindowExposed(form2)) qFatal("the script window was not shown");
  }
  return *form2;
}

QPlainTextEdit* ProgramWindows::ScriptBox() { return ShownScriptWindow().TextBox(); }

qsizetype ProgramWindows::ScriptBytes() { return ShownScriptWindow().ScriptText().toUtf8().size(); }

}  // namespace armoursmith::bench
