#pragma once

#include <QPointer>

#include "form2.h"
#include "script_file_commands.h"
#include "script_window_access.h"

namespace armoursmith {

// The program-wide reference to the script window. Closing the window through its frame
// ends it together with its text and its file; the next access makes a new, hidden and empty
// one. The folder of the last script file opened or saved is kept for every window of the run.
class ScriptWindowHolder : public ScriptWindowAccess {
 public:
  explicit ScriptWindowHolder(ScriptFileDialogs& dialogs)
      : files_{.dialogs = dialogs, .lastFolder = {}} {}
  ScriptWindowHolder(const ScriptWindowHolder&) = delete;
  ScriptWindowHolder& operator=(const ScriptWindowHolder&) = delete;
  ~ScriptWindowHolder() override;

  Form2& EnsureScriptWindow() override;
  void OnTableDrop(TableDropHandler handler) override { onTableDrop_ = std::move(handler); }
  Form2* ExistingScriptWindow() const override { return window_; }

 private:
  QPointer<Form2> window_;
  TableDropHandler onTableDrop_;
  ScriptFileSession files_;
};

}  // namespace armoursmith
