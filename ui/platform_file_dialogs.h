#pragma once

#include "script_file_dialogs.h"

namespace armoursmith {

// The platform's own file dialogs where it has them (the toolkit's static dialog functions use
// them), and the toolkit's message boxes, whose buttons follow the desktop's language.
class PlatformFileDialogs : public ScriptFileDialogs {
 public:
  QString FileToOpen(QWidget* parent, const QString& start) override;
  SaveAsName FileToSaveAs(QWidget* parent, const QString& start) override;
  bool Confirm(QWidget* parent, const QString& text, const QString& confirmButton) override;
  UnsavedText AskAboutUnsavedText(QWidget* parent, const QString& text) override;
  void ShowProblem(QWidget* parent, const QString& text) override;
};

}  // namespace armoursmith
