#include "windows_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "error_report.h"

namespace armoursmith::testing {

void RecordingGate::Run(const ControlCall& call, const std::function<void()>& operation) {
  calls.push_back(std::string(call.control) + ": " + std::string(Describe(call.operation)));
  if (failWhen && failWhen(call)) throw ControlError(-7, call);
  ControlGate::Run(call, operation);
}

void WindowsTest::SetUp() {
  form1.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
}

void WindowsTest::Report(const std::exception& error) {
  reportedErrors.push_back(ErrorReportText(error));
}

void WindowsTest::Click(form1::Button button) {
  QTest::mouseClick(form1.Button(button), Qt::LeftButton);
}

void WindowsTest::ClickOption(ArmourMaterial material) {
  QRadioButton* option = form1.OptionButton(material);
  QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(12, option->height() / 2));
}

void WindowsTest::Pick(ArmourMaterial material, int position) {
  form1.PieceList(material)->setCurrentIndex(position);
}

void WindowsTest::Type(ItemField field, const QString& text) {
  QLineEdit* box = form1.FieldBox(field);
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
  QTest::keyClicks(box, text);
}

std::string WindowsTest::Script() const {
  return ScriptWindow() ? ScriptWindow()->ScriptText().toStdString() : std::string();
}

}  // namespace armoursmith::testing
