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
#include "form2.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using form1::Button;
using testing::Lines;
using testing::WindowsTest;

std::vector<std::string> CallsSince(const std::vector<std::string>& calls, std::size_t from) {
  return {calls.begin() + static_cast<std::ptrdiff_t>(from), calls.end()};
}

// Runs the event loop until the program ends; `actions` run inside it. Gives up after 5 s.
int RunProgram(const std::function<void()>& actions) {
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  giveUp.start(5000);
  QTimer::singleShot(0, actions);
  return QApplication::exec();
}

TEST_F(WindowsTest, MakeScriptClickWritesTypedValuesByteForByte) {
  Pick(ArmourMaterial::Platemail, 5);
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
  const QPlainTextEdit* box = scriptWindow.ExistingScriptWindow()->TextBox();
  EXPECT_EQ(box->textCursor().position(), 0);
  EXPECT_EQ(box->cursorForPosition(QPoint(0, 0)).blockNumber(), 0);
}

TEST_F(WindowsTest, WholeSetClickUsesTheListLeftAtWholeSetEvenWhenHidden) {
  ClickOption(ArmourMaterial::Chainmail);
  Pick(ArmourMaterial::Chainmail, 3);
  ClickOption(ArmourMaterial::HardLeather);
  Pick(ArmourMaterial::HardLeather, 5);
  Type(ItemField::Id, "dk");
  Click(Button::WholeSet);
  const auto lines = Lines(Script());
  ASSERT_EQ(lines.size(), 55u);
  EXPECT_EQ(lines[1], "[ITEMDEF i_dk_Tunic]");
  EXPECT_EQ(lines[37], "[ITEMDEF i_dk_Coif]");
  EXPECT_TRUE(ScriptWindowShown());
}

TEST_F(WindowsTest, APieceLeftInAnEarlierHiddenListDecidesTheId) {
  ClickOption(ArmourMaterial::Leather);
  Pick(ArmourMaterial::Leather, 0);
  ClickOption(ArmourMaterial::HardLeather);
  Pick(ArmourMaterial::HardLeather, 1);
  EXPECT_FALSE(form1.PieceList(ArmourMaterial::Leather)->isVisible());
  Click(Button::Go);
  EXPECT_EQ(Lines(Script())[4], "ID=i_leather_gorget");
}

TEST_F(WindowsTest, MaterialButtonsWriteAllFiveListsInNameOrder) {
  for (int round = 0; round < 2; ++round) {
    const std::size_t before = gate.calls.size();
    ClickOption(ArmourMaterial::Chainmail);
    EXPECT_EQ(CallsSince(gate.calls, before),
              (std::vector<std::string>{"cbo1: write its visibility", "cbo2: write its visibility",
                                        "cbo3: write its visibility", "cbo4: write its visibility",
                                        "cbo5: write its visibility"}));
  }
  for (const ArmourMaterial material : kArmourMaterials) {
    EXPECT_EQ(form1.PieceList(material)->isVisible(), material == ArmourMaterial::Chainmail);
  }
  EXPECT_TRUE(form1.OptionButton(ArmourMaterial::Chainmail)->isChecked());
  EXPECT_FALSE(form1.OptionButton(ArmourMaterial::Platemail)->isChecked());
}

TEST_F(WindowsTest, ResetRestoresStartValuesButKeepsPiecesAndWindowState) {
  ClickOption(ArmourMaterial::Leather);
  Pick(ArmourMaterial::Leather, 2);
  Type(ItemField::Armour, "12");
  Type(ItemField::MinHp, "1");
  const std::size_t before = gate.calls.size();
  Click(Button::Reset);

  // Reset as the first action makes the script window but leaves it hidden and empty.
  ASSERT_NE(scriptWindow.ExistingScriptWindow(), nullptr);
  EXPECT_FALSE(ScriptWindowShown());
  const auto calls = CallsSince(gate.calls, before);
  ASSERT_EQ(calls.size(), 19u);
  EXPECT_EQ(calls[10], "txtmaxhp: write its text");
  EXPECT_EQ(calls[11], "txtminhp: write its text");
  EXPECT_EQ(calls[12], "txtscript: write its text");
  EXPECT_EQ(calls[18], "optplate: write its value");
  EXPECT_EQ(form1.FieldBox(ItemField::Armour)->text(), "Armor");
  EXPECT_EQ(form1.FieldBox(ItemField::MinHp)->text(), "Hp");
  EXPECT_EQ(form1.FieldBox(ItemField::MaxHp)->text(), "Out of HP");
  EXPECT_TRUE(form1.OptionButton(ArmourMaterial::Platemail)->isChecked());
  EXPECT_TRUE(form1.PieceList(ArmourMaterial::Platemail)->isVisible());
  EXPECT_FALSE(form1.PieceList(ArmourMaterial::Leather)->isVisible());
  EXPECT_EQ(form1.PieceList(ArmourMaterial::Leather)->currentIndex(), 2);

  Click(Button::Go);
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Lines(Script()).size(), 18u);
  EXPECT_EQ(Lines(Script())[7], "ARMOR=Armor");

  Click(Button::Reset);
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Script(), "");
}

TEST_F(WindowsTest, TypedScriptTextStaysAndOutputFollowsIt) {
  Click(Button::WholeSet);  // nothing at Whole Set: appends nothing, shows the window
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Script(), "");
  QPlainTextEdit* box = scriptWindow.ExistingScriptWindow()->TextBox();
  QTest::keyClicks(box, "; mine");
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "tail\u00a0");
  Click(Button::Go);
  const std::string script = Script();
  EXPECT_TRUE(script.starts_with("; mine\r\ntail\u00a0// Designed By: Admin Pimlet :)\r\n"))
      << script;
  EXPECT_EQ(Lines(script).size(), 18u);
}

TEST_F(WindowsTest, ClosingTheScriptWindowDiscardsItAndTheNextOutputGetsANewOne) {
  Click(Button::Go);
  Form2* first = scriptWindow.ExistingScriptWindow();
  first->close();
  QTest::qWait(0);
  EXPECT_EQ(scriptWindow.ExistingScriptWindow(), nullptr);
  Pick(ArmourMaterial::Platemail, 0);
  Click(Button::Go);
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Lines(Script()).size(), 18u);
  EXPECT_EQ(Lines(Script())[4], "ID=i_platemail_gorget");
}

TEST_F(WindowsTest, ExitEndsTheProgramAtOnce) {
  Click(Button::Go);
  EXPECT_EQ(RunProgram([this] { Click(Button::Exit); }), 0);
}

TEST_F(WindowsTest, ClosingTheMainWindowEndsTheProgramUnlessTheScriptIsOnScreen) {
  bool stillRunning = false;
  Click(Button::Go);
  EXPECT_EQ(RunProgram([&] {
              form1.close();
              QTimer::singleShot(100, [&] {
                stillRunning = true;
                scriptWindow.ExistingScriptWindow()->close();
              });
            }),
            0);
  EXPECT_TRUE(stillRunning);

  form1.show();
  Click(Button::Reset);  // the script window exists, hidden
  EXPECT_EQ(RunProgram([&] { form1.close(); }), 0);
}

TEST_F(WindowsTest, AFailedOperationEndsItsHandlerAndIsReported) {
  const auto failAt = [this](std::string_view control, ControlOperation operation, int nth = 1) {
    gate.failWhen = [=, seen = 0](const ControlCall& call) mutable {
      return call.control == control && call.operation == operation && ++seen == nth;
    };
  };
  Pick(ArmourMaterial::Platemail, 1);
  failAt("txtscript", ControlOperation::AppendText, 5);
  Click(Button::Go);
  EXPECT_EQ(Lines(Script()).size(), 4u);
  EXPECT_FALSE(ScriptWindowShown());

  failAt("txtdesc", ControlOperation::WriteText);
  Type(ItemField::Id, "kept");
  Click(Button::Reset);
  EXPECT_EQ(form1.FieldBox(ItemField::IntReq)->text(), "IntReq");
  EXPECT_EQ(Lines(Script()).size(), 4u);  // the script was not emptied

  failAt("cbo3", ControlOperation::WriteVisibility);
  ClickOption(ArmourMaterial::Ringmail);
  EXPECT_TRUE(form1.PieceList(ArmourMaterial::Ringmail)->isVisible());
  EXPECT_FALSE(form1.PieceList(ArmourMaterial::Platemail)->isVisible());

  failAt("Form2", ControlOperation::Show);
  Click(Button::WholeSet);
  EXPECT_FALSE(ScriptWindowShown());

  ASSERT_EQ(reportedErrors.size(), 4u);
  EXPECT_TRUE(reportedErrors[0].contains("Status: -7"));
  EXPECT_TRUE(reportedErrors[0].contains("Control: txtscript"));
  EXPECT_TRUE(reportedErrors[0].contains("Interface: text box"));
  EXPECT_TRUE(reportedErrors[0].contains("Operation: append to its text"));
  EXPECT_TRUE(reportedErrors[2].contains("Interface: piece list"));

  gate.failWhen = nullptr;  // the program goes on working
  Click(Button::Reset);
  Click(Button::Go);
  EXPECT_TRUE(ScriptWindowShown());
  EXPECT_EQ(Lines(Script()).size(), 18u);
}

TEST(ControlGate, TurnsAFailingOperationIntoAControlErrorNamingIt) {
  ControlGate gate;
  const ControlCall call{"txtscript", ControlInterface::TextBox, ControlOperation::AppendText};
  try {
    gate.Run(call, [] { throw std::bad_alloc(); });
    FAIL() << "no error";
  } catch (const ControlError& error) {
    EXPECT_EQ(error.Status(), kStatusOutOfMemory);
    EXPECT_EQ(error.Control(), "txtscript");
    EXPECT_EQ(error.Interface(), ControlInterface::TextBox);
    EXPECT_EQ(error.Operation(), ControlOperation::AppendText);
  }
}

TEST(ErrorReport, ShowsTheFourFactsInAMessageBox) {
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->text();
    box->accept();
  });
  ReportError(nullptr, ControlError(kStatusOutOfMemory, {"txtscript", ControlInterface::TextBox,
                                                         ControlOperation::AppendText}));
  EXPECT_TRUE(shown.contains("-2147024882 (0x8007000e)")) << shown.toStdString();
  EXPECT_TRUE(shown.contains("txtscript"));
  EXPECT_TRUE(shown.contains("text box"));
  EXPECT_TRUE(shown.contains("append to its text"));
}

}  // namespace
}  // namespace armoursmith
