#pragma once

#include <QComboBox>

namespace armoursmith {

struct MaterialInfo;

// A material's piece list, an editable drop-down list that behaves like the desktop's own:
// typed text never becomes or completes an entry, and typing over the field clears the chosen
// entry while the typed text stays. It opens with no entry chosen and its default text shown.
class PieceListBox : public QComboBox {
 public:
  PieceListBox(const MaterialInfo& material, QWidget* parent);

 private:
  void ShowNoChoice(const QString& text);
};

}  // namespace armoursmith
