#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace armoursmith {

// What assistive technology reads of a piece list. The desktop's own interface names an
// editable drop-down list by the text in its field, so two lists standing on "Tunic" would
// both be heard as "Tunic"; this one gives the list's accessible name as its name and the
// text in its field as its value.
class PieceListAccessible : public QAccessibleWidget {
 public:
  explicit PieceListAccessible(QComboBox* list);

  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;

  // Gives piece lists this interface; installed once, before the first list is made.
  static void Install();
};

}  // namespace armoursmith
