#pragma once

#include "armour_material.h"

namespace armoursmith {

class WindowControls;

// Shows the material's piece list and hides the other four, always writing all five in
// list order cbo1 to cbo5. No list's choice or text is touched.
void SelectMaterial(WindowControls& controls, ArmourMaterial material);

// Writes the start values back into the field boxes (the armour box gets "Armor"), empties
// the script text without showing its window, and returns to Platemail. Chosen pieces stay.
void ResetFields(WindowControls& controls);

// Ends the program at once with both windows, asking nothing.
void ExitProgram();

}  // namespace armoursmith
