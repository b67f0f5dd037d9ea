#include "piece_list_accessible.h"

#include <QComboBox>

#include "piece_list_box.h"

namespace armoursmith {
namespace {

QAccessibleInterface* PieceListInterface(const QString&, QObject* object) {
  auto* list = dynamic_cast<PieceListBox*>(object);
  return list ? new PieceListAccessible(list) : nullptr;
}

}  // namespace

PieceListAccessible::PieceListAccessible(QComboBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {}

QString PieceListAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return static_cast<const QComboBox*>(widget())->currentText();
  return QAccessibleWidget::text(kind);
}

QAccessible::State PieceListAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.expandable = true;
  return state;
}

QStringList PieceListAccessible::actionNames() const { return {showMenuAction(), pressAction()}; }

void PieceListAccessible::doAction(const QString& action) {
  if (action == showMenuAction() || action == pressAction()) {
    static_cast<QComboBox*>(widget())->showPopup();
  }
}

void PieceListAccessible::Install() {
  [[maybe_unused]] static const bool installed =
      (QAccessible::installFactory(PieceListInterface), true);
}

}  // namespace armoursmith
