#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <exception>
#include <functional>

#include "armour_material.h"
#include "form1_layout.h"
#include "item_fields.h"
#include "window_controls.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace armoursmith {

class ControlGate;
class ScriptWindowAccess;

// Shows an error that left a click handler; the program goes on afterwards.
using ErrorReporter = std::function<void(const std::exception&)>;

// The main window: the field boxes, the material option buttons, the stacked piece lists and
// the four buttons. The controls themselves hold the input; nine clicks have reactions.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  Form1(ScriptWindowAccess& scriptWindow, ControlGate& gate, ErrorReporter reportError);

  QLineEdit* FieldBox(ItemField field) const;
  QComboBox* PieceList(ArmourMaterial material) const;
  QRadioButton* OptionButton(ArmourMaterial material) const;
  QPushButton* Button(form1::Button button) const;

  // Adds the text of the tables, as dropped on either window or opened with the program.
  void AppendTables(const QStringList& tables);

 private:
  void BuildControls();
  void SetTabOrder();
  void ConnectClicks();
  void KeepTabOnChosenOption();
  void SaveScriptFromHere(ScriptWindowAccess& scriptWindow);
  void OnClick(QAbstractButton* button, std::function<void()> handler);
  void RunHandler(const std::function<void()>& handler);

  std::array<QWidget*, 4> frames_{};
  std::array<QLineEdit*, kItemFieldCount> fieldBoxes_{};
  std::array<QComboBox*, 5> pieceLists_{};
  std::array<QRadioButton*, 5> optionButtons_{};
  std::array<QPushButton*, 4> buttons_{};
  WindowControls controls_;
  ErrorReporter reportError_;
};

}  // namespace armoursmith
