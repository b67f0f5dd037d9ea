#include "whole_set_script.h"

#include <array>
#include <string>

#include "generator_controls.h"
#include "item_block.h"
#include "piece_catalogue.h"
#include "whole_set_table.h"

namespace armoursmith {
namespace {

// A whole set writes the piece word where a single piece writes the description.
constexpr std::array kSetFields = {
    ItemField::Id,     ItemField::Defname, ItemField::Name,   ItemField::Weight,
    ItemField::Armour, ItemField::StrReq,  ItemField::DexReq, ItemField::IntReq,
    ItemField::Color,  ItemField::MinHp,   ItemField::MaxHp,
};

const WholeSetRow* ChooseWholeSet(GeneratorControls& controls) {
  for (const WholeSetRow& row : WholeSetTable()) {
    if (controls.ReadPiecePosition(row.material) == WholeSetPosition(row.material)) return &row;
  }
  return nullptr;
}

void AppendWholeSet(GeneratorControls& controls, const WholeSetRow& row) {
  const ItemFields fields = ReadItemFields(controls, kSetFields);
  AppendDesignerLine(controls);
  for (const WholeSetPiece& piece : row.pieces) {
    const std::string word(piece.word);
    AppendItemBlock(controls, fields,
                    {
                        .headerId = "i_" + fields[ItemField::Id] + "_" + word,
                        .defname = "i_" + fields[ItemField::Defname] + "_" + word,
                        .name = fields[ItemField::Name] + " " + word,
                        .baseItemId = piece.baseItemId,
                        .description = word,
                        .trailingEmptyLine = true,
                    });
  }
  if (row.hasTrailer) AppendSetTrailer(controls);
}

}  // namespace

void MakeWholeSet(GeneratorControls& controls) {
  if (const WholeSetRow* row = ChooseWholeSet(controls)) AppendWholeSet(controls, *row);
  controls.ShowScriptWindow();
}

}  // namespace armoursmith
