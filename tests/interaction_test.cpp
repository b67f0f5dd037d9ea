#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>

#include "error_report.h"
#include "rewriting_controls.h"
#include "test_data.h"
#include "whole_set_script.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

// Runs the event loop until the program ends; `actions` run inside it. Gives up after 5 s.
int RunProgram(const std::function<void()>& actions) {
  QTimer giveUp;
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  giveUp.start(5000);
  QTimer::singleShot(0, actions);
  return QApplication::exec();
}

// The program's windows that are on screen or hidden, popups and dialogs left out.
QStringList TopLevelWindows() {
  QStringList names;
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->windowType() == Qt::Window) names.append(widget->objectName());
  }
  names.sort();
  return names;
}

class InteractionTest : public testing::WindowsTest {
 protected:
  std::vector<std::string> CallsDuring(const std::function<void()>& actions) {
    const std::size_t before = gate.calls.size();
    actions();
    return {gate.calls.begin() + static_cast<std::ptrdiff_t>(before), gate.calls.end()};
  }
  std::size_t ScriptLines() const { return ScriptWindow()->ScriptText().count("\r\n"); }
};

// The operations of the clicks in the table, in order.
std::map<QString, std::vector<std::string>> OperationsOfClicks() {
  std::map<QString, std::vector<std::string>> operations;
  for (const QStringList& row : testing::ReadTable("operations.tsv")) {
    operations[row[0]].push_back(row[1].toStdString());
  }
  return operations;
}

TEST_F(InteractionTest, MaterialButtonsWriteAllFiveListsInNameOrderAndShowTheirOwnList) {
  const auto operations = OperationsOfClicks();
  std::set<QString> picked;
  for (const QStringList& row : testing::ReadTable("material_lists.tsv")) {
    const QString& option = row[0];
    Pick(row[1], 0);  // kept while hidden
    picked.insert(row[1]);
    EXPECT_EQ(CallsDuring([&] { Click(option); }), operations.at(option)) << option;
    for (const char* other : {"cbo1", "cbo2", "cbo3", "cbo4", "cbo5"}) {
      EXPECT_EQ(Control(other)->isVisible(), other == row[1]) << option;
      EXPECT_EQ(Control<QComboBox>(other)->currentIndex(), picked.contains(other) ? 0 : -1);
    }
    EXPECT_TRUE(Control<QRadioButton>(option)->isChecked());
  }
  EXPECT_EQ(TopLevelWindows(), QStringList{"Form1"});  // no script window yet
}

TEST_F(InteractionTest, ResetRestoresStartValuesButKeepsPiecesAndTheWindowsState) {
  Click("optleather");
  Pick("cbo4", 2);
  EXPECT_EQ(CallsDuring([&] { Click("cmdreset"); }), OperationsOfClicks().at("cmdreset"));
  // The first Reset makes the script window but leaves it hidden.
  EXPECT_EQ(TopLevelWindows().size(), 2);
  EXPECT_FALSE(ScriptWindowShown());
  EXPECT_TRUE(Control<QRadioButton>("optplate")->isChecked());
  EXPECT_TRUE(Control("cbo2")->isVisible());
  EXPECT_FALSE(Control("cbo4")->isVisible());
  EXPECT_EQ(Control<QComboBox>("cbo4")->currentIndex(), 2);

  Click("cmdgo");
  Click("cmdreset");
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Script(), "");
}

// Appending must leave exactly what reading the whole text, adding the lines and writing the
// whole text back leaves: the same text, the caret and the view at the start.
TEST_F(InteractionTest, AppendingMatchesRewritingTheWholeText) {
  ScriptWindowHolder rewrittenWindow(dialogs);
  WindowControls reads(form1, rewrittenWindow, gate);
  bench::RewritingControls rewriting(reads, rewrittenWindow, gate);
  Click("cmdwholeset");  // nothing at Whole Set: appends nothing, shows the window
  EXPECT_TRUE(ScriptWindowShown());
  MakeWholeSet(rewriting);
  for (Form2* window : {ScriptWindow(), rewrittenWindow.ExistingScriptWindow()}) {
    QPlainTextEdit* box = window->TextBox();
    QTest::keyClicks(box, "; mine");
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(box, "tail\u00a0");
  }
  Pick("cbo2", 6);
  Click("cmdwholeset");
  MakeWholeSet(rewriting);
  FailAt("txtscript", ControlOperation::AppendText, 40);  // in the third piece
  Click("cmdwholeset");
  FailAt("txtscript", ControlOperation::AppendText, 40);
  EXPECT_THROW(MakeWholeSet(rewriting), ControlError);
  EXPECT_TRUE(Script().starts_with("; mine\r\ntail\u00a0// Designed By: Admin Pimlet :)\r\n"));
  // The typed line, a whole set, then the designer line, two pieces and six lines of a third.
  EXPECT_EQ(ScriptLines(), 1u + 111u + 1u + 18u + 18u + 6u);
  EXPECT_EQ(ScriptWindow()->ScriptText(), rewrittenWindow.ExistingScriptWindow()->ScriptText());
  const QPlainTextEdit* box = ScriptWindow()->TextBox();
  EXPECT_EQ(box->textCursor().position(), 0);
  EXPECT_EQ(box->cursorForPosition(QPoint(0, 0)).blockNumber(), 0);
}

TEST_F(InteractionTest, TheFirstGenerationMakesTheOneScriptWindowAndClosingItDiscardsIt) {
  EXPECT_EQ(CallsDuring([&] { Click("cmdwholeset"); }), OperationsOfClicks().at("cmdwholeset"));
  ScriptWindow()->close();
  QTest::qWait(0);
  for (const char* button : {"cmdgo", "cmdwholeset"}) {
    EXPECT_EQ(TopLevelWindows(), QStringList{"Form1"});
    Click(button);
    Click(button);
    EXPECT_EQ(TopLevelWindows(), (QStringList{"Form1", "Form2"}));
    EXPECT_TRUE(ScriptWindowShown());
    ScriptWindow()->close();
    QTest::qWait(0);
    EXPECT_EQ(ScriptWindow(), nullptr);
  }
  Click("cmdgo");
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(ScriptLines(), 17u);
}

TEST_F(InteractionTest, ExitOrClosingTheMainWindowEndsTheProgram) {
  Click("cmdgo");
  EXPECT_EQ(RunProgram([this] { Click("cmdexit"); }), 0);

  // With the script on screen the program goes on until that window is closed too.
  bool stillRunning = false;
  EXPECT_EQ(RunProgram([&] {
              form1.close();
              QTimer::singleShot(100, [&] {
                stillRunning = true;
                ScriptWindow()->close();
              });
            }),
            0);
  EXPECT_TRUE(stillRunning);

  form1.show();
  Click("cmdreset");  // a hidden script window keeps nothing alive
  EXPECT_EQ(RunProgram([&] { form1.close(); }), 0);
}

TEST_F(InteractionTest, AFailedOperationEndsItsHandlerIsReportedAndTheProgramGoesOn) {
  Pick("cbo2", 1);
  FailAt("txtscript", ControlOperation::AppendText, 5);
  Click("cmdgo");
  EXPECT_EQ(ScriptLines(), 4u);
  EXPECT_FALSE(ScriptWindowShown());

  FailAt("txtdesc", ControlOperation::WriteText);
  Click("cmdreset");
  EXPECT_EQ(Control<QLineEdit>("txtint")->text(), "IntReq");
  EXPECT_EQ(ScriptLines(), 4u);  // not emptied

  FailAt("cbo3", ControlOperation::WriteVisibility);
  Click("optring");
  EXPECT_TRUE(Control("cbo1")->isVisible());
  EXPECT_FALSE(Control("cbo2")->isVisible());

  // Any other error that leaves a handler takes the same way.
  gate.onCall = [](const ControlCall&) { throw std::runtime_error("broken"); };
  Click("cmdwholeset");
  gate.onCall = [](const ControlCall&) { throw std::bad_alloc(); };
  Click("cmdgo");
  ASSERT_EQ(reportedErrors.size(), 5u);
  EXPECT_EQ(reportedErrors[3], "The action could not be completed: broken");
  EXPECT_EQ(reportedErrors[4], "The action could not be completed: std::bad_alloc");
  EXPECT_EQ(ScriptLines(), 4u);
}

TEST_F(InteractionTest, EveryKindOfFailedOperationIsReportedWithItsFourFacts) {
  const QString dialog = QString::fromStdString(testing::ReadGolden("error_dialog.txt"));
  ChooseOnly("cbo5=5");
  for (const QStringList& row : testing::ReadTable("errors.tsv")) {
    gate.onCall = [&](const ControlCall& call) {
      if (std::string(call.control) == row[1].toStdString() &&
          Describe(call.operation) == row[2].toStdString()) {
        throw ControlError(-7, call);
      }
    };
    reportedErrors.clear();
    Click(row[0]);
    ASSERT_EQ(reportedErrors.size(), 1u) << row.join(' ');
    EXPECT_EQ(reportedErrors[0], dialog.arg(row[1], row[3], row[2]));
  }
}

// The program shows the report in a dialog; a failure's own message says the same.
TEST(ErrorReport, TheDialogShowsTheReport) {
  const ControlCall call{"cbo4", ControlInterface::PieceList, ControlOperation::ReadSelectedIndex};
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->text();
    box->accept();
  });
  try {
    ControlGate().Run(call, [] { throw std::bad_alloc(); });
  } catch (const ControlError& error) {
    EXPECT_STREQ(error.what(),
                 "status -2147024882 from cbo4 (piece list): read the index of the selected entry");
    ReportError(nullptr, error);
    EXPECT_EQ(shown, ErrorReportText(error));
  }
  EXPECT_TRUE(shown.contains("Status: -2147024882 (0x8007000e)\n")) << shown;

  // Whatever fails inside an operation leaves the gate as a failure of that operation.
  const auto statusOf = [&](const std::function<void()>& operation) {
    try {
      ControlGate().Run(call, operation);
    } catch (const ControlError& error) {
      return error.Status();
    }
    return 0;
  };
  EXPECT_EQ(statusOf([] { throw std::runtime_error("x"); }), -2147467259);
  EXPECT_EQ(statusOf([] { throw ControlError(-3, {}); }), -3);
}

}  // namespace
}  // namespace armoursmith
