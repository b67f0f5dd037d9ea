#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "armour_material.h"
#include "item_fields.h"

namespace armoursmith {

// The control operations the generators perform on the windows. Each one may fail by
// throwing ControlError; the generators never catch it, so a failure ends them at that
// operation with everything appended before it kept.
class GeneratorControls {
 public:
  virtual ~GeneratorControls() = default;

  virtual std::string ReadField(ItemField field) = 0;
  // Selected position of the material's piece list, -1 when no entry is chosen; hidden
  // lists answer like the visible one.
  virtual std::int16_t ReadPiecePosition(ArmourMaterial material) = 0;
  // Adds `text` at the very end of the script text, after whatever it holds.
  virtual void AppendScriptText(std::string_view text) = 0;
  virtual void ShowScriptWindow() = 0;
};

}  // namespace armoursmith
