#include "script_window_holder.h"

namespace armoursmith {

ScriptWindowHolder::~ScriptWindowHolder() { delete window_; }

Form2& ScriptWindowHolder::EnsureScriptWindow() {
  if (!window_) {
    window_ = new Form2(onTableDrop_, files_);
    window_->setAttribute(Qt::WA_DeleteOnClose);
  }
  return *window_;
}

}  // namespace armoursmith
