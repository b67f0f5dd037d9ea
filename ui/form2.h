#pragma once

#include <QWidget>

#include "script_box.h"
#include "table_drops.h"

namespace armoursmith {

// The script window: one wrapping, editable text box that is the only store of the script.
class Form2 : public QWidget {
  Q_OBJECT

 public:
  explicit Form2(TableDropHandler onTableDrop);

  // The script with CR LF line ends, the user's edits included.
  QString ScriptText() const;
  // Adds text at the end without rewriting what is there; afterwards the caret and the view
  // stand at the start, as after writing the whole text back.
  void AppendScriptText(const QString& text);
  void ClearScriptText();
  void ShowScriptWindow();

  ScriptBox* TextBox() const { return txtscript_; }

 private:
  ScriptBox* txtscript_;
};

}  // namespace armoursmith
