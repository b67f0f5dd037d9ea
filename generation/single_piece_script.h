#pragma once

#include <optional>
#include <string_view>

namespace armoursmith {

class GeneratorControls;

// The base item id of the first list, in material order, that stands on a single piece.
// Hidden lists count like the visible one; "Whole Set" and no choice yield nothing.
std::optional<std::string_view> ChooseBaseItemId(GeneratorControls& controls);

// Appends the designer line and the block of the chosen piece, then shows the script window.
void MakeScript(GeneratorControls& controls);

}  // namespace armoursmith
