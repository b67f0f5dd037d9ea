#pragma once

#include <QWidget>
#include <functional>

#include "script_box.h"
#include "script_file_commands.h"
#include "table_drops.h"

namespace armoursmith {

// The script window: one wrapping, editable text box that is the only store of the script,
// with the commands that open it from a script file and save it to one.
class Form2 : public QWidget {
  Q_OBJECT

 public:
  Form2(TableDropHandler onTableDrop, ScriptFileSession& files);

  // The script with CR LF line ends, the user's edits included.
  QString ScriptText() const;
  // Adds text at the end without rewriting what is there; afterwards the caret and the view
  // stand at the start, as after writing the whole text back.
  void AppendScriptText(const QString& text);
  // Empties the text; the window then belongs to no file.
  void ClearScriptText();
  // Puts `text` in place of the whole text, which cannot be undone; the caret and the view
  // stand at the start.
  void ReplaceScriptText(const QString& text);
  void ShowScriptWindow();

  ScriptBox* TextBox() const { return txtscript_; }
  ScriptFileCommands& FileCommands() { return files_; }

 private:
  void AddFileCommand(const QString& text, QKeyCombination keys,
                      const std::function<void()>& command);

  ScriptBox* txtscript_;
  ScriptFileCommands files_;
};

}  // namespace armoursmith
