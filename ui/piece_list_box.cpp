#include "piece_list_box.h"

#include <QLineEdit>
#include <QStandardItemModel>

#include "piece_catalogue.h"
#include "piece_list_accessible.h"
#include "qt_text.h"

namespace armoursmith {
namespace {

// The entries of a piece list. The list looks typed text up among its entries when Enter is
// pressed and when it loses the focus, and chooses the entry it finds; but the program reads
// only the chosen position, never the field, so typed text must choose nothing, not even an
// entry's exact label. Only picking an entry from the drop-down, or moving to one with the
// arrow keys or the wheel, chooses it.
class EntriesTypedTextNeverFinds : public QStandardItemModel {
 public:
  using QStandardItemModel::QStandardItemModel;
  QModelIndexList match(const QModelIndex&, int, const QVariant&, int,
                        Qt::MatchFlags) const override {
    return {};
  }
};

}  // namespace

PieceListBox::PieceListBox(const MaterialInfo& material, QWidget* parent) : QComboBox(parent) {
  PieceListAccessible::Install();
  setModel(new EntriesTypedTextNeverFinds(this));
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
