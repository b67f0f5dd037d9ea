#pragma once

#include "generator_controls.h"

namespace armoursmith {
class ControlGate;
class ScriptWindowAccess;
}  // namespace armoursmith

namespace armoursmith::bench {

// Generator controls that append to the script the plain way: every append reads the whole
// script text, adds the piece and writes the whole text back, as one operation through the
// gate. Everything else goes to `others`. The script window's own append is checked and
// timed against this.
class RewritingControls : public GeneratorControls {
 public:
  RewritingControls(GeneratorControls& others, ScriptWindowAccess& scriptWindow, ControlGate& gate);

  std::string ReadField(ItemField field) override;
  std::int16_t ReadPiecePosition(ArmourMaterial material) override;
  void AppendScriptText(std::string_view text) override;
  void ShowScriptWindow() override;

 private:
  GeneratorControls& others_;
  ScriptWindowAccess& scriptWindow_;
  ControlGate& gate_;
};

}  // namespace armoursmith::bench
