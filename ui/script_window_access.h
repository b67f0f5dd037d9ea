#pragma once

#include "table_drops.h"

namespace armoursmith {

class Form2;

// Gives the one script window, creating it hidden and empty when there is none (not yet
// made, or closed by the user since).
class ScriptWindowAccess {
 public:
  virtual ~ScriptWindowAccess() = default;
  virtual Form2& EnsureScriptWindow() = 0;
  // The current script window, or null when there is none; never makes one.
  virtual Form2* ExistingScriptWindow() const = 0;
  // Where tables dropped on the script window go, for every script window made from now on.
  virtual void OnTableDrop(TableDropHandler handler) = 0;
};

}  // namespace armoursmith
