#include "single_piece_script.h"

#include "armour_material.h"
#include "generator_controls.h"
#include "item_block.h"
#include "piece_catalogue.h"

namespace armoursmith {

std::optional<std::string_view> ChooseBaseItemId(GeneratorControls& controls) {
  for (const ArmourMaterial material : kArmourMaterials) {
    if (const auto id = BaseItemId(material, controls.ReadPiecePosition(material))) return id;
  }
  return std::nullopt;
}

void MakeScript(GeneratorControls& controls) {
  const ItemFields fields = ReadItemFields(controls, kAllItemFields);
  const BlockParameters block{
      .headerId = fields[ItemField::Id],
      .defname = fields[ItemField::Defname],
      .name = fields[ItemField::Name],
      .baseItemId = ChooseBaseItemId(controls),
      .description = fields[ItemField::Description],
      .trailingEmptyLine = false,
  };
  AppendDesignerLine(controls);
  AppendItemBlock(controls, fields, block);
  controls.ShowScriptWindow();
}

}  // namespace armoursmith
