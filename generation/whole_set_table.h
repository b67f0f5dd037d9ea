#pragma once

#include <span>
#include <string_view>

#include "armour_material.h"

namespace armoursmith {

// A piece of a whole set: the word worked into its ids, name and description, and its id.
struct WholeSetPiece {
  std::string_view word;
  std::string_view baseItemId;
};

// One material's set. Its pieces, words and ids are the set's own (not the list's) and keep
// the capitals that scripts already written with these sets rely on.
struct WholeSetRow {
  ArmourMaterial material;
  std::span<const WholeSetPiece> pieces;
  bool hasTrailer;
};

// The rows in the order they are tried.
std::span<const WholeSetRow> WholeSetTable();

}  // namespace armoursmith
