#pragma once

#include <string>
#include <string_view>

#include "armour_material.h"
#include "generator_controls.h"
#include "item_fields.h"

namespace armoursmith {

class ControlGate;
class Form1;
class ScriptWindowAccess;

// The closed set of operations the handlers perform on the two windows' controls, each one
// run through the gate. The script window is reached afresh through EnsureScriptWindow by
// every operation on it.
class WindowControls : public GeneratorControls {
 public:
  WindowControls(Form1& form, ScriptWindowAccess& scriptWindow, ControlGate& gate);

  std::string ReadField(ItemField field) override;
  std::int16_t ReadPiecePosition(ArmourMaterial material) override;
  void AppendScriptText(std::string_view text) override;
  void ShowScriptWindow() override;

  void WriteField(ItemField field, std::string_view text);
  void WritePieceListVisible(ArmourMaterial material, bool visible);
  void WriteOptionButtonOn(ArmourMaterial material);
  void ClearScriptText();

 private:
  Form1& form_;
  ScriptWindowAccess& scriptWindow_;
  ControlGate& gate_;
};

}  // namespace armoursmith
