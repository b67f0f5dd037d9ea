#pragma once

namespace armoursmith {

class Form2;

// Gives the one script window, creating it hidden and empty when there is none (not yet
// made, or closed by the user since).
class ScriptWindowAccess {
 public:
  virtual ~ScriptWindowAccess() = default;
  virtual Form2& EnsureScriptWindow() = 0;
};

}  // namespace armoursmith
