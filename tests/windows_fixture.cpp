#include "windows_fixture.h"

#include <QRadioButton>
#include <QTest>

namespace armoursmith::testing {

void RecordingGate::Run(const ControlCall& call, const std::function<void()>& operation) {
  calls.push_back(std::string(call.control) + ": " + std::string(Describe(call.operation)));
  if (onCall) onCall(call);
  ControlGate::Run(call, operation);
}

void WindowsTest::SetUp() {
  form1.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
}

void WindowsTest::FailAt(std::string_view control, ControlOperation operation, int nth) {
  gate.onCall = [=, seen = 0](const ControlCall& call) mutable {
    if (call.control == control && call.operation == operation && ++seen == nth) {
      throw ControlError(-7, call);
    }
  };
}

void WindowsTest::Click(const QString& button) {
  auto* control = Control<QAbstractButton>(button);
  // An option button takes a click on its mark, left of its caption.
  const bool option = qobject_cast<QRadioButton*>(control) != nullptr;
  QTest::mouseClick(control, Qt::LeftButton, {},
                    option ? QPoint(12, control->height() / 2) : QPoint());
}

void WindowsTest::PressIn(QWidget* window, QKeyCombination keys) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QWidget* focus = window->focusWidget();
  QTest::keyClick(focus ? focus : window, keys.key(), keys.keyboardModifiers());
}

void WindowsTest::ChooseOnly(const QString& positions) {
  for (const char* list : {"cbo1", "cbo2", "cbo3", "cbo4", "cbo5"}) Pick(list, -1);
  for (const QString& choice : positions.split(' ', Qt::SkipEmptyParts)) {
    Pick(choice.section('=', 0, 0), choice.section('=', 1).toInt());
  }
}

}  // namespace armoursmith::testing
