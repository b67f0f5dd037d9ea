#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "script_file_dialogs.h"

namespace armoursmith::testing {

// Answers the questions of opening and saving in the user's place, with the answers the test
// gives beforehand, and keeps each question as the user would read it. A question with no
// answer left fails the test and is cancelled: no test ever waits for a person.
class ScriptedDialogs : public ScriptFileDialogs {
 public:
  // Taken in order: a file name for a file dialog (empty cancels it), or the button pressed.
  std::deque<QString> answers;
  // Whether the "Item scripts" filter stands in the Save As dialog, rather than "All files".
  bool itemScripts = true;
  // "Open, starting at START", "Save As, starting at START", or a message's text followed by
  // its buttons, such as "TEXT [Save anyway|Cancel]", or "TEXT [OK]".
  std::vector<QString> asked;

  QString FileToOpen(QWidget* parent, const QString& start) override;
  SaveAsName FileToSaveAs(QWidget* parent, const QString& start) override;
  bool Confirm(QWidget* parent, const QString& text, const QString& confirmButton) override;
  UnsavedText AskAboutUnsavedText(QWidget* parent, const QString& text) override;
  void ShowProblem(QWidget* parent, const QString& text) override;

 private:
  QString Answer(const QString& question, const QString& cancel);
  QString FileName(const QString& question);
};

}  // namespace armoursmith::testing
