#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "item_fields.h"

namespace armoursmith {

class GeneratorControls;

// What a generator chooses for one block; everything else comes from the fields.
struct BlockParameters {
  std::string headerId;
  std::string defname;
  std::string name;
  std::optional<std::string_view> baseItemId;  // none leaves out the ID line
  std::string description;
  bool trailingEmptyLine = false;
};

// The only three ways output reaches the script text. Every line ends in CR LF and each
// line is one append, except that an empty line goes with the line before it.
void AppendDesignerLine(GeneratorControls& controls);
void AppendItemBlock(GeneratorControls& controls, const ItemFields& fields,
                     const BlockParameters& block);
void AppendSetTrailer(GeneratorControls& controls);

}  // namespace armoursmith
