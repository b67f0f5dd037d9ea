#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "control_gate.h"
#include "error_report.h"
#include "form1.h"
#include "form2.h"
#include "script_window_holder.h"
#include "scripted_dialogs.h"

// Lets test failures print Qt strings readably.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << text.toStdString();
}

namespace armoursmith::testing {

// Records every control operation as "control: operation"; `onCall` sees each one first and
// may throw to make it fail.
class RecordingGate : public ControlGate {
 public:
  std::vector<std::string> calls;
  std::function<void(const ControlCall&)> onCall;
  void Run(const ControlCall& call, const std::function<void()>& operation) override;
};

// Both windows as the program makes them, driven through real clicks and key presses and
// found by their control names.
class WindowsTest : public ::testing::Test {
 protected:
  ScriptedDialogs dialogs;
  ScriptWindowHolder scriptWindow{dialogs};
  RecordingGate gate;
  std::vector<QString> reportedErrors;
  Form1 form1{scriptWindow, gate, [this](const std::exception& error) { Report(error); }};

  void SetUp() override;
  void Report(const std::exception& error) { reportedErrors.push_back(ErrorReportText(error)); }
  // Makes the nth operation `operation` on `control` fail with status -7.
  void FailAt(std::string_view control, ControlOperation operation, int nth = 1);
  template <typename Widget = QWidget>
  Widget* Control(const QString& name) const {
    auto* control = form1.findChild<Widget*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(const QString& button);
  void Pick(const QString& list, int position) {  // as choosing it in the drop-down does
    Control<QComboBox>(list)->setCurrentIndex(position);
  }
  void ChooseOnly(const QString& positions);  // "cbo2=1 cbo1=0"; the other lists none
  // Presses the keys in `window`, which the user has made the active window first.
  void PressIn(QWidget* window, QKeyCombination keys);
  Form2* ScriptWindow() const { return scriptWindow.ExistingScriptWindow(); }
  std::string Script() const {  // UTF-8; empty without a script window
    return ScriptWindow() ? ScriptWindow()->ScriptText().toStdString() : std::string();
  }
  bool ScriptWindowShown() const { return ScriptWindow() && ScriptWindow()->isVisible(); }
};

}  // namespace armoursmith::testing
