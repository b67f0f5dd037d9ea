#include <QComboBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include "fake_controls.h"
#include "form2.h"
#include "rewriting_controls.h"
#include "single_piece_script.h"
#include "whole_set_script.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using form1::Button;
using testing::Lines;

// The program's windows next to a second script window written by rewriting its whole text
// for every line, both fed from the same main window.
class ScriptAppendTest : public testing::WindowsTest {
 protected:
  ScriptWindowHolder rewrittenWindow;
  testing::RecordingGate rewrittenGate;
  WindowControls reads{form1, rewrittenWindow, rewrittenGate};
  testing::RewritingControls rewriting{reads, rewrittenWindow, rewrittenGate};

  QPlainTextEdit* Box() { return scriptWindow.ExistingScriptWindow()->TextBox(); }
  QPlainTextEdit* RewrittenBox() { return rewrittenWindow.ExistingScriptWindow()->TextBox(); }

  void InBothBoxes(const std::function<void(QPlainTextEdit*)>& typing) {
    typing(Box());
    typing(RewrittenBox());
  }

  void FailAppend(int nth) {
    for (testing::RecordingGate* each : {&gate, &rewrittenGate}) {
      each->failWhen = [nth, seen = 0](const ControlCall& call) mutable {
        return call.operation == ControlOperation::AppendText && ++seen == nth;
      };
    }
  }

  void ExpectSameTextWithCaretAndViewAtStart() {
    EXPECT_EQ(scriptWindow.ExistingScriptWindow()->ScriptText(),
              rewrittenWindow.ExistingScriptWindow()->ScriptText());
    for (const QPlainTextEdit* box : {Box(), RewrittenBox()}) {
      EXPECT_EQ(box->textCursor().position(), 0);
      EXPECT_EQ(box->verticalScrollBar()->value(), 0);
      EXPECT_EQ(box->cursorForPosition(QPoint(0, 0)).blockNumber(), 0);
    }
  }
};

TEST_F(ScriptAppendTest, AppendingWritesWhatRewritingTheWholeTextWrites) {
  Pick(ArmourMaterial::Platemail, 6);
  Click(Button::WholeSet);
  MakeWholeSet(rewriting);
  ExpectSameTextWithCaretAndViewAtStart();

  // Typed at the end, so that the caret and the view stand at the end before the next output.
  InBothBoxes([](QPlainTextEdit* box) {
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(box, "; mine");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "tail\u00a0");
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);  // a line break within a paragraph
  });
  ASSERT_GT(Box()->verticalScrollBar()->value(), 0);
  Pick(ArmourMaterial::Platemail, 5);
  Click(Button::Go);
  MakeScript(rewriting);
  ExpectSameTextWithCaretAndViewAtStart();
  EXPECT_TRUE(Script().find("tail\u00a0\r\n// Designed By") != std::string::npos);

  // A failure in the middle of a set keeps the lines before it, typed text included.
  InBothBoxes([](QPlainTextEdit* box) { QTest::keyClicks(box, "; top "); });
  const std::size_t before = Lines(Script()).size();
  Pick(ArmourMaterial::Platemail, 6);
  FailAppend(40);
  Click(Button::WholeSet);
  EXPECT_THROW(MakeWholeSet(rewriting), ControlError);
  ExpectSameTextWithCaretAndViewAtStart();
  EXPECT_TRUE(Script().starts_with("; top // Designed By"));
  // 39 appends: the designer line, two whole pieces with their empty lines, six more lines.
  EXPECT_EQ(Lines(Script()).size(), before + 1 + 18 + 18 + 6);
  EXPECT_EQ(reportedErrors.size(), 1u);
}

}  // namespace
}  // namespace armoursmith
