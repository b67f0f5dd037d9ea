#pragma once

#include <QString>

#include "control_gate.h"
#include "form1.h"
#include "platform_file_dialogs.h"
#include "script_window_holder.h"

class QPlainTextEdit;

namespace armoursmith::bench {

// Entries of the Platemail list the benchmark stands on.
inline constexpr int kTunic = 1;
inline constexpr int kWholeSet = 6;

// The two windows as the program makes them, the main window shown and exposed. A failure
// reported by a click handler ends the benchmark.
class ProgramWindows {
 public:
  ProgramWindows();

  Form1& MainWindow() { return form1_; }
  ScriptWindowHolder& Holder() { return scriptWindow_; }
  ControlGate& Gate() { return gate_; }

  void PickPlatemail(int position);
  // A real click on the button, then what the user waits for before seeing the result: the
  // script box painted and the events the click left behind handled.
  void ClickAndPaint(form1::Button button);
  void Paint();
  // The script window, made, shown and exposed by a whole-set click when there is none yet.
  Form2& ShownScriptWindow();
  QPlainTextEdit* ScriptBox();
  // Size of the script text in bytes (UTF-8, CR LF line ends).
  qsizetype ScriptBytes();

 private:
  PlatformFileDialogs dialogs_;
  ScriptWindowHolder scriptWindow_{dialogs_};
  ControlGate gate_;
  Form1 form1_;
};

// Waits until `widget`'s window is on screen and has been painted once.
bool WaitUntilPainted(QWidget& widget);

}  // namespace armoursmith::bench
