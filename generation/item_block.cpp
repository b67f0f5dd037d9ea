#include "item_block.h"

#include <initializer_list>

#include "generator_controls.h"

namespace armoursmith {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Joins the parts into one line with its line end and appends it; `emptyLineAfter` adds an
// empty line to the same append.
void AppendLine(GeneratorControls& controls, std::initializer_list<std::string_view> parts,
                bool emptyLineAfter = false) {
  std::string line;
  for (const std::string_view part : parts) line += part;
  line += kLineEnd;
  if (emptyLineAfter) line += kLineEnd;
  controls.AppendScriptText(line);
}

}  // namespace

void AppendDesignerLine(GeneratorControls& controls) {
  AppendLine(controls, {"// Designed By: Admin Pimlet :)"});
}

void AppendItemBlock(GeneratorControls& controls, const ItemFields& fields,
                     const BlockParameters& block) {
  AppendLine(controls, {"[ITEMDEF ", block.headerId, "]"});
  AppendLine(controls, {"DEFNAME=", block.defname});
  AppendLine(controls, {"NAME=", block.name});
  if (block.baseItemId) AppendLine(controls, {"ID=", *block.baseItemId});
  AppendLine(controls, {"TYPE=T_ARMOR"});
  AppendLine(controls, {"WEIGHT=", fields[ItemField::Weight]});
  AppendLine(controls, {"ARMOR=", fields[ItemField::Armour]});
  AppendLine(controls, {"REQSTR=", fields[ItemField::StrReq]});
  AppendLine(controls, {"REQDEX=", fields[ItemField::DexReq]});
  AppendLine(controls, {"REQINT=", fields[ItemField::IntReq]});
  AppendLine(controls, {"CATEGORY=Pimlet's Creations"});
  AppendLine(controls, {"SUBSECTION=", fields[ItemField::Name]});
  AppendLine(controls, {"DESCRIPTION=", block.description}, true);
  AppendLine(controls, {"ON=@Create"});
  AppendLine(controls, {"COLOR=", fields[ItemField::Color]});
  AppendLine(controls, {"{", fields[ItemField::MinHp], " ", fields[ItemField::MaxHp], "}"},
             block.trailingEmptyLine);
}

void AppendSetTrailer(GeneratorControls& controls) {
  AppendLine(controls, {"End If"});
  AppendLine(controls, {"[EOF]"});
}

}  // namespace armoursmith
