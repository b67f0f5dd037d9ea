#pragma once

#include <QKeyCombination>
#include <QString>
#include <string>

namespace armoursmith {

class Form2;
class ScriptFileDialogs;

// The keys of the script's file commands; Ctrl is Command on macOS.
inline constexpr QKeyCombination kOpenKeys = Qt::CTRL | Qt::Key_O;
inline constexpr QKeyCombination kSaveKeys = Qt::CTRL | Qt::Key_S;
inline constexpr QKeyCombination kSaveAsKeys = Qt::CTRL | Qt::SHIFT | Qt::Key_S;

// What the script windows of one session share: how the user is asked, and the folder of the
// last file opened or saved, where the file dialogs start.
struct ScriptFileSession {
  ScriptFileDialogs& dialogs;
  QString lastFolder;
};

// Open, Save and Save As for one script window. The window remembers the file it was last
// saved to or opened from until Reset empties it or the window is closed.
class ScriptFileCommands {
 public:
  ScriptFileCommands(Form2& window, ScriptFileSession& session);

  // Replaces the window's text by a script file's; asks first about text never saved.
  void Open();
  // Save writes to the remembered file, or asks for a name as Save As does when there is none.
  // Both return whether the text was saved.
  bool Save();
  bool SaveAs();

  // The window's text has changed, however: generated, typed, dropped or replaced.
  void TextChanged() { unsaved_ = true; }
  // The window's text has been emptied: no file and nothing unsaved.
  void Forget();

 private:
  bool SaveTo(QString path);
  QString AskNameToSaveAs();
  bool HoldsUnsavedText() const;
  void Remember(const QString& path);
  void ShowProblem(const QString& what, const std::string& problem);

  Form2& window_;
  ScriptFileSession& session_;
  QString file_;
  bool unsaved_ = false;
};

}  // namespace armoursmith
