#pragma once

#include <QPointer>

#include "form2.h"
#include "script_window_access.h"

namespace armoursmith {

// The program-wide reference to the script window. Closing the window through its frame
// ends it together with its text; the next access makes a new, hidden and empty one.
class ScriptWindowHolder : public ScriptWindowAccess {
 public:
  ScriptWindowHolder() = default;
  ScriptWindowHolder(const ScriptWindowHolder&) = delete;
  ScriptWindowHolder& operator=(const ScriptWindowHolder&) = delete;
  ~ScriptWindowHolder() override;

  Form2& EnsureScriptWindow() override;
  void OnTableDrop(TableDropHandler handler) override { onTableDrop_ = std::move(handler); }
  // The current script window, or null when there is none; never creates one.
  Form2* ExistingScriptWindow() const { return window_; }

 private:
  QPointer<Form2> window_;
  TableDropHandler onTableDrop_;
};

}  // namespace armoursmith
