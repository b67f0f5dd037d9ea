#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "control_gate.h"
#include "form1.h"
#include "form2.h"
#include "script_window_holder.h"

// Lets test failures print Qt strings readably.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << text.toStdString();
}

namespace armoursmith::testing {

// Records every control operation as "control: operation" and fails the one `failWhen` picks.
class RecordingGate : public ControlGate {
 public:
  std::vector<std::string> calls;
  std::function<bool(const ControlCall&)> failWhen;
  void Run(const ControlCall& call, const std::function<void()>& operation) override;
};

// Both windows as the program makes them, driven through real clicks and key presses.
class WindowsTest : public ::testing::Test {
 protected:
  ScriptWindowHolder scriptWindow;
  RecordingGate gate;
  std::vector<QString> reportedErrors;
  Form1 form1{scriptWindow, gate, [this](const std::exception& error) { Report(error); }};

  void SetUp() override;
  void Report(const std::exception& error);
  void Click(form1::Button button);
  void ClickOption(ArmourMaterial material);
  void Pick(ArmourMaterial material, int position);  // as choosing it in the drop-down does
  void Type(ItemField field, const QString& text);
  Form2* ScriptWindow() const { return scriptWindow.ExistingScriptWindow(); }
  std::string Script() const;  // UTF-8; empty without a script window
  bool ScriptWindowShown() const { return ScriptWindow() && ScriptWindow()->isVisible(); }
};

}  // namespace armoursmith::testing
