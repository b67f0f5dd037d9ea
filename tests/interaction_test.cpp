#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "error_report.h"
#include "fake_controls.h"
#include "rewriting_controls.h"
#include "single_piece_script.h"
#include "whole_set_script.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using enum ArmourMaterial;
using form1::Button;
using testing::Lines;

// Runs the event loop until the program ends; `actions` run inside it. Gives up after 5 s.
int RunProgram(const std::function<void()>& actions) {
  QTimer giveUp;
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  giveUp.start(5000);
  QTimer::singleShot(0, actions);
  return QApplication::exec();
}

class InteractionTest : public testing::WindowsTest {
 protected:
  std::vector<std::string> CallsDuring(const std::function<void()>& actions) {
    const std::size_t before = gate.calls.size();
    actions();
    return {gate.calls.begin() + static_cast<std::ptrdiff_t>(before), gate.calls.end()};
  }
  void FailAt(std::string_view control, ControlOperation operation, int nth = 1) {
    gate.failWhen = [=, seen = 0](const ControlCall& call) mutable {
      return call.control == control && call.operation == operation && ++seen == nth;
    };
  }
};

TEST_F(InteractionTest, MakeScriptClickWritesTypedValuesByteForByte) {
  Pick(Platemail, 5);
  Type(ItemField::Id, "helm_of_dawn");
  Type(ItemField::Name, "Dawn [Helm]");
  Type(ItemField::Weight, " 7");
  Type(ItemField::Description, "");
  Type(ItemField::MaxHp, "60");
  Click(Button::Go);
  EXPECT_EQ(Script(),
            "// Designed By: Admin Pimlet :)\r\n[ITEMDEF helm_of_dawn]\r\nDEFNAME=Defname\r\n"
            "NAME=Dawn [Helm]\r\nID=i_platemail_helm\r\nTYPE=T_ARMOR\r\nWEIGHT= 7\r\n"
            "ARMOR=Armour\r\nREQSTR=StrReq\r\nREQDEX=DexReq\r\nREQINT=IntReq\r\n"
            "CATEGORY=Pimlet's Creations\r\nSUBSECTION=Dawn [Helm]\r\nDESCRIPTION=\r\n\r\n"
            "ON=@Create\r\nCOLOR=Color\r\n{Hp 60}\r\n");
  EXPECT_TRUE(ScriptWindowShown());
}

TEST_F(InteractionTest, AChoiceLeftInAListThatAnotherMaterialHidStillDecides) {
  ClickOption(Leather);
  Pick(Leather, 0);
  ClickOption(HardLeather);
  Pick(HardLeather, 1);
  EXPECT_FALSE(form1.PieceList(Leather)->isVisible());
  Click(Button::Go);
  EXPECT_EQ(Lines(Script())[4], "ID=i_leather_gorget");
  // The whole set made from typed values is, byte for byte, the Leather set of those values.
  const std::size_t singlePiece = Script().size();
  Pick(Leather, 6);
  Pick(HardLeather, 5);
  Type(ItemField::Id, "dk");
  Type(ItemField::Color, "0x4 ");
  Click(Button::WholeSet);
  testing::FakeControls typed;
  typed.fields[0] = "dk";
  typed.fields[9] = "0x4 ";
  MakeWholeSet(typed.Choose(Leather, 6));
  EXPECT_EQ(Script().substr(singlePiece), typed.Script());
}

TEST_F(InteractionTest, MaterialButtonsWriteAllFiveListsInNameOrderEveryTime) {
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(CallsDuring([&] { ClickOption(Chainmail); }),
              (std::vector<std::string>{"cbo1: write its visibility", "cbo2: write its visibility",
                                        "cbo3: write its visibility", "cbo4: write its visibility",
                                        "cbo5: write its visibility"}));
  }
  for (const ArmourMaterial material : kArmourMaterials) {
    EXPECT_EQ(form1.PieceList(material)->isVisible(), material == Chainmail);
  }
  EXPECT_FALSE(form1.OptionButton(Platemail)->isChecked());
}

TEST_F(InteractionTest, ResetRestoresStartValuesButKeepsPiecesAndTheWindowsState) {
  ClickOption(Leather);
  Pick(Leather, 2);
  Type(ItemField::Armour, "12");
  const auto calls = CallsDuring([&] { Click(Button::Reset); });
  ASSERT_EQ(calls.size(), 19u);
  EXPECT_EQ(calls[10], "txtmaxhp: write its text");
  EXPECT_EQ(calls[12], "txtscript: write its text");
  EXPECT_EQ(calls[18], "optplate: write its value");
  // The first Reset makes the script window but leaves it hidden.
  ASSERT_NE(ScriptWindow(), nullptr);
  EXPECT_FALSE(ScriptWindowShown());
  EXPECT_EQ(form1.FieldBox(ItemField::Armour)->text(), "Armor");
  EXPECT_EQ(form1.FieldBox(ItemField::MaxHp)->text(), "Out of HP");
  EXPECT_TRUE(form1.OptionButton(Platemail)->isChecked());
  EXPECT_TRUE(form1.PieceList(Platemail)->isVisible());
  EXPECT_EQ(form1.PieceList(Leather)->currentIndex(), 2);

  Click(Button::Go);
  EXPECT_EQ(Lines(Script()).size(), 18u);
  Click(Button::Reset);
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Script(), "");
}

// Appending must leave exactly what reading the whole text, adding the lines and writing the
// whole text back leaves: the same text, the caret and the view at the start.
TEST_F(InteractionTest, AppendingMatchesRewritingTheWholeText) {
  ScriptWindowHolder rewrittenWindow;
  WindowControls reads(form1, rewrittenWindow, gate);
  bench::RewritingControls rewriting(reads, rewrittenWindow, gate);
  Click(Button::WholeSet);  // nothing at Whole Set: appends nothing, shows the window
  EXPECT_TRUE(ScriptWindowShown());
  MakeWholeSet(rewriting);
  for (Form2* window : {ScriptWindow(), rewrittenWindow.ExistingScriptWindow()}) {
    QPlainTextEdit* box = window->TextBox();
    QTest::keyClicks(box, "; mine");
    QTest::keyClick(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(box, "tail\u00a0");
  }
  Pick(Platemail, 6);
  Click(Button::WholeSet);
  MakeWholeSet(rewriting);
  for (const auto& makeWholeSet :
       {std::function([&] { Click(Button::WholeSet); }),
        std::function([&] { EXPECT_THROW(MakeWholeSet(rewriting), ControlError); })}) {
    FailAt("txtscript", ControlOperation::AppendText, 40);  // in the third piece
    makeWholeSet();
  }
  EXPECT_TRUE(Script().starts_with("; mine\r\ntail\u00a0// Designed By: Admin Pimlet :)\r\n"));
  // The typed line, a whole set, then the designer line, two pieces and six lines of a third.
  EXPECT_EQ(Lines(Script()).size(), 1u + 111u + 1u + 18u + 18u + 6u);
  EXPECT_EQ(ScriptWindow()->ScriptText(), rewrittenWindow.ExistingScriptWindow()->ScriptText());
  const QPlainTextEdit* box = ScriptWindow()->TextBox();
  EXPECT_EQ(box->textCursor().position(), 0);
  EXPECT_EQ(box->cursorForPosition(QPoint(0, 0)).blockNumber(), 0);
}

TEST_F(InteractionTest, ClosingTheScriptWindowDiscardsItAndItsText) {
  Click(Button::Go);
  ScriptWindow()->close();
  QTest::qWait(0);
  EXPECT_EQ(ScriptWindow(), nullptr);
  Click(Button::Go);
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Lines(Script()).size(), 17u);
}

TEST_F(InteractionTest, ExitOrClosingTheMainWindowEndsTheProgram) {
  Click(Button::Go);
  EXPECT_EQ(RunProgram([this] { Click(Button::Exit); }), 0);

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
  Click(Button::Reset);  // a hidden script window keeps nothing alive
  EXPECT_EQ(RunProgram([&] { form1.close(); }), 0);
}

TEST_F(InteractionTest, AFailedOperationEndsItsHandlerIsReportedAndTheProgramGoesOn) {
  Pick(Platemail, 1);
  FailAt("txtscript", ControlOperation::AppendText, 5);
  Click(Button::Go);
  EXPECT_EQ(Lines(Script()).size(), 4u);
  EXPECT_FALSE(ScriptWindowShown());

  FailAt("txtdesc", ControlOperation::WriteText);
  Click(Button::Reset);
  EXPECT_EQ(form1.FieldBox(ItemField::IntReq)->text(), "IntReq");
  EXPECT_EQ(Lines(Script()).size(), 4u);  // not emptied

  FailAt("cbo3", ControlOperation::WriteVisibility);
  ClickOption(Ringmail);
  EXPECT_TRUE(form1.PieceList(Ringmail)->isVisible());
  EXPECT_FALSE(form1.PieceList(Platemail)->isVisible());

  FailAt("Form2", ControlOperation::Show);
  Click(Button::WholeSet);
  EXPECT_FALSE(ScriptWindowShown());

  ASSERT_EQ(reportedErrors.size(), 4u);
  for (const char* fact : {"Status: -7", "Control: txtscript", "Interface: text box",
                           "Operation: append to its text"}) {
    EXPECT_TRUE(reportedErrors[0].contains(fact)) << reportedErrors[0];
  }
  EXPECT_TRUE(reportedErrors[2].contains("Interface: piece list"));

  gate.failWhen = nullptr;
  Click(Button::Reset);
  Click(Button::Go);
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Lines(Script()).size(), 18u);
}

TEST(ErrorReport, RunningOutOfMemoryIsShownWithItsFourFacts) {
  const ControlCall call{"txtscript", ControlInterface::TextBox, ControlOperation::AppendText};
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
    ReportError(nullptr, error);
  }
  for (const char* fact : {"-2147024882 (0x8007000e)", "txtscript", "text box", "append"}) {
    EXPECT_TRUE(shown.contains(fact)) << shown;
  }
}

}  // namespace
}  // namespace armoursmith
