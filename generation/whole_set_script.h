#pragma once

namespace armoursmith {

class GeneratorControls;

// Appends every piece of the first material, in table order, whose list stands on its
// "Whole Set" entry, then shows the script window (also when no list does).
void MakeWholeSet(GeneratorControls& controls);

}  // namespace armoursmith
