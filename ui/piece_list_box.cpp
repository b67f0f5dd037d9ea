#include "piece_list_box.h"

#include <QLineEdit>

#include "piece_catalogue.h"
#include "piece_list_accessible.h"
#include "qt_text.h"

namespace armoursmith {

PieceListBox::PieceListBox(const MaterialInfo& material, QWidget* parent) : QComboBox(parent) {
  PieceListAccessible::Install();
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);
  for (const PieceEntry& entry : material.entries) addItem(ToQString(entry.label));
  ShowNoChoice(ToQString(material.defaultText));  // adding entries chose the first one
  connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    if (currentIndex() != -1) ShowNoChoice(text);
  });
}

void PieceListBox::ShowNoChoice(const QString& text) {
  const int caret = lineEdit()->cursorPosition();
  setCurrentIndex(-1);  // this also empties the field
  setEditText(text);
  lineEdit()->setCursorPosition(caret);
}

}  // namespace armoursmith
