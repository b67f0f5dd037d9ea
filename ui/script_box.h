#pragma once

#include <QPlainTextEdit>

namespace armoursmith {

// The script window's text box. It wraps long lines at its right edge (see ScriptLayout) and
// gives out exactly the characters it holds: copy, cut and drag carry plain text only, so a
// word processor gets no fonts or layout, no-break spaces stay no-break spaces, and lines end
// as the platform's text does. Its context menu offers the toolkit's own entries, then the
// actions added to the box.
class ScriptBox : public QPlainTextEdit {
 public:
  explicit ScriptBox(QWidget* parent);

  // The whole text with CR LF line ends, as the script files take it.
  QString ScriptText() const;

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  int LastTopLine() const;
};

}  // namespace armoursmith
