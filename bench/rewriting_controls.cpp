#include "rewriting_controls.h"

#include <QPlainTextEdit>

#include "control_gate.h"
#include "form2.h"
#include "qt_text.h"
#include "script_window_access.h"

namespace armoursmith::bench {

RewritingControls::RewritingControls(GeneratorControls& others, ScriptWindowAccess& scriptWindow,
                                     ControlGate& gate)
    : others_(others), scriptWindow_(scriptWindow), gate_(gate) {}

std::string RewritingControls::ReadField(ItemField field) { return others_.ReadField(field); }

std::int16_t RewritingControls::ReadPiecePosition(ArmourMaterial material) {
  return others_.ReadPiecePosition(material);
}

void RewritingControls::AppendScriptText(std::string_view text) {
  gate_.Run({"txtscript", ControlInterface::TextBox, ControlOperation::AppendText}, [&] {
    Form2& window = scriptWindow_.EnsureScriptWindow();
    window.TextBox()->setPlainText(window.ScriptText() + ToQString(text));
  });
}

void RewritingControls::ShowScriptWindow() { others_.ShowScriptWindow(); }

}  // namespace armoursmith::bench
