#include "window_controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "control_gate.h"
#include "form1.h"
#include "form2.h"
#include "piece_catalogue.h"
#include "qt_text.h"
#include "script_window_access.h"

namespace armoursmith {
namespace {

ControlCall FieldCall(ItemField field, ControlOperation operation) {
  return {form1::kFieldBoxes[static_cast<std::size_t>(field)].name, ControlInterface::TextBox,
          operation};
}

constexpr ControlCall ScriptTextCall(ControlOperation operation) {
  return {"txtscript", ControlInterface::TextBox, operation};
}

}  // namespace

WindowControls::WindowControls(Form1& form, ScriptWindowAccess& scriptWindow, ControlGate& gate)
    : form_(form), scriptWindow_(scriptWindow), gate_(gate) {}

std::string WindowControls::ReadField(ItemField field) {
  std::string text;
  gate_.Run(FieldCall(field, ControlOperation::ReadText),
            [&] { text = form_.FieldBox(field)->text().toStdString(); });
  return text;
}

std::int16_t WindowControls::ReadPiecePosition(ArmourMaterial material) {
  std::int16_t position = -1;
  gate_.Run(
      {CatalogueEntry(material).pieceList, ControlInterface::PieceList,
       ControlOperation::ReadSelectedIndex},
      [&] { position = static_cast<std::int16_t>(form_.PieceList(material)->currentIndex()); });
  return position;
}

void WindowControls::AppendScriptText(std::string_view text) {
  gate_.Run(ScriptTextCall(ControlOperation::AppendText),
            [&] { scriptWindow_.EnsureScriptWindow().AppendScriptText(ToQString(text)); });
}

void WindowControls::ShowScriptWindow() {
  gate_.Run({"Form2", ControlInterface::ScriptWindow, ControlOperation::Show},
            [&] { scriptWindow_.EnsureScriptWindow().ShowScriptWindow(); });
}

void WindowControls::WriteField(ItemField field, std::string_view text) {
  gate_.Run(FieldCall(field, ControlOperation::WriteText),
            [&] { form_.FieldBox(field)->setText(ToQString(text)); });
}

void WindowControls::WritePieceListVisible(ArmourMaterial material, bool visible) {
  gate_.Run({CatalogueEntry(material).pieceList, ControlInterface::PieceList,
             ControlOperation::WriteVisibility},
            [&] { form_.PieceList(material)->setVisible(visible); });
}

void WindowControls::WriteOptionButtonOn(ArmourMaterial material) {
  gate_.Run({CatalogueEntry(material).optionButton, ControlInterface::OptionButton,
             ControlOperation::WriteValue},
            [&] { form_.OptionButton(material)->setChecked(true); });
}

void WindowControls::ClearScriptText() {
  gate_.Run(ScriptTextCall(ControlOperation::WriteText),
            [&] { scriptWindow_.EnsureScriptWindow().ClearScriptText(); });
}

}  // namespace armoursmith
