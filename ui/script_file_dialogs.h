#pragma once

#include <QString>

class QWidget;

namespace armoursmith {

// The file type filters of the open and save dialogs, the first chosen at start.
inline constexpr char kItemScriptsFilter[] = "Item scripts (*.scp)";
inline constexpr char kAllFilesFilter[] = "All files (*)";

// What opening and saving a script asks the user. The program asks with the platform's own
// file dialogs and message boxes; the tests answer in their place. The texts are the caller's.
class ScriptFileDialogs {
 public:
  enum class UnsavedText { Save, Discard, Cancel };
  struct SaveAsName {
    QString path;             // empty when the user cancels
    bool itemScripts = true;  // the "Item scripts" filter was chosen, not "All files"
  };

  virtual ~ScriptFileDialogs() = default;

  // The file to open, the dialog starting in `start`, a folder (empty: the current one).
  // Empty when the user cancels.
  virtual QString FileToOpen(QWidget* parent, const QString& start) = 0;
  // The name to save under, the dialog starting at `start`, a folder or a file in it. The
  // dialog itself asks before a file that exists is replaced.
  virtual SaveAsName FileToSaveAs(QWidget* parent, const QString& start) = 0;
  // Whether the user answers `text` with `confirmButton` rather than Cancel.
  virtual bool Confirm(QWidget* parent, const QString& text, const QString& confirmButton) = 0;
  // Save, Discard or Cancel, for text that was never saved.
  virtual UnsavedText AskAboutUnsavedText(QWidget* parent, const QString& text) = 0;
  virtual void ShowProblem(QWidget* parent, const QString& text) = 0;
};

}  // namespace armoursmith
