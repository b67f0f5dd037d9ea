#include "form1.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "field_prompts.h"
#include "form1_handlers.h"
#include "form2.h"
#include "piece_catalogue.h"
#include "piece_list_box.h"
#include "qt_text.h"
#include "script_window_access.h"
#include "single_line_validator.h"
#include "single_piece_script.h"
#include "table_appends.h"
#include "table_drops.h"
#include "whole_set_script.h"
#include "window_icon.h"

namespace armoursmith {
namespace {

using namespace form1;

template <typename Enum>
constexpr std::size_t Index(Enum value) {
  return static_cast<std::size_t>(value);
}

void Name(QWidget* widget, std::string_view name, std::string_view accessibleName) {
  widget->setObjectName(ToQString(name));
  widget->setAccessibleName(ToQString(accessibleName));
}

}  // namespace

Form1::Form1(ScriptWindowAccess& scriptWindow, ControlGate& gate, ErrorReporter reportError)
    : controls_(*this, scriptWindow, gate), reportError_(std::move(reportError)) {
  setObjectName("Form1");
  setWindowTitle(ToQString(kCaption));
  setWindowIcon(WindowIcon());
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  // Frames carry their caption on the border line, so the controls placed just below the
  // caption sit inside the frame whatever the style's own title band.
  setStyleSheet(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 3px; margin-top: 0.5em; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }");
  BuildControls();
  SetTabOrder();
  ConnectClicks();
  const TableDropHandler appendTables = [this](const QStringList& tables) { AppendTables(tables); };
  AcceptTableDrops(this, appendTables);
  scriptWindow.OnTableDrop(appendTables);
  SaveScriptFromHere(scriptWindow);
  FieldBox(ItemField::Id)->setFocus();
}

void Form1::AppendTables(const QStringList& tables) {
  RunHandler([&] { armoursmith::AppendTables(controls_, tables); });
}

// The key that saves the script works here too, so that the user need not go over to the script
// window first; with no script window on screen there is nothing to save.
void Form1::SaveScriptFromHere(ScriptWindowAccess& scriptWindow) {
  auto* save = new QAction(this);
  save->setShortcut(kSaveKeys);
  addAction(save);
  connect(save, &QAction::triggered, this, [&scriptWindow] {
    Form2* script = scriptWindow.ExistingScriptWindow();
    if (script && script->isVisible()) script->FileCommands().Save();
  });
}

QLineEdit* Form1::FieldBox(ItemField field) const { return fieldBoxes_[Index(field)]; }
QComboBox* Form1::PieceList(ArmourMaterial material) const { return pieceLists_[Index(material)]; }
QRadioButton* Form1::OptionButton(ArmourMaterial material) const {
  return optionButtons_[Index(material)];
}
QPushButton* Form1::Button(form1::Button button) const { return buttons_[Index(button)]; }

void Form1::BuildControls() {
  for (const FrameLayout& layout : kFrames) {
    auto* frame = new QGroupBox(ToQString(layout.caption), this);
    Name(frame, layout.name, layout.caption);
    frame->setGeometry(TwipsToPixels(layout.rect));
    frames_[Index(layout.frame)] = frame;
  }
  for (const ButtonLayout& layout : kButtons) {
    auto* button = new QPushButton(ToQString(layout.caption), this);
    Name(button, layout.name, layout.accessibleName);
    // Enter presses the button that has the focus, as Space does. Outside a dialog there is
    // no default button, so Enter anywhere else still presses nothing.
    button->setAutoDefault(true);
    button->setGeometry(TwipsToPixels(layout.rect));
    buttons_[Index(layout.button)] = button;
  }
  for (const FieldBoxLayout& layout : kFieldBoxes) {
    auto* box = new QLineEdit(ToQString(FieldPrompt(layout.field)), frames_[Index(layout.frame)]);
    Name(box, layout.name, layout.accessibleName);
    box->setToolTip(ToQString(layout.accessibleName));
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setValidator(new SingleLineValidator(box));
    box->setGeometry(TwipsToPixels({kFieldBoxLeft, layout.top, layout.width, kFieldBoxHeight}));
    fieldBoxes_[Index(layout.field)] = box;
  }
  for (const OptionLayout& layout : kOptions) {
    const MaterialInfo& info = CatalogueEntry(layout.material);
    auto* option = new QRadioButton(ToQString(info.caption), frames_[Index(Frame::Types)]);
    Name(option, info.optionButton, info.caption);
    const int captionCentreTop = layout.top + (layout.height - kOptionHeight) / 2;
    option->setGeometry(
        TwipsToPixels({kOptionLeft, captionCentreTop, kOptionWidth, kOptionHeight}));
    option->setChecked(layout.material == ArmourMaterial::Platemail);
    connect(option, &QRadioButton::toggled, this, &Form1::KeepTabOnChosenOption);
    optionButtons_[Index(layout.material)] = option;
  }
  KeepTabOnChosenOption();
  for (const PieceListLayout& layout : kPieceLists) {
    const MaterialInfo& info = CatalogueEntry(layout.material);
    auto* list = new PieceListBox(info, frames_[Index(Frame::PieceOfArmour)]);
    Name(list, info.pieceList, std::string(info.caption) + " piece");
    list->setGeometry(TwipsToPixels(kPieceListRect));
    list->resize(list->width(), std::max(list->height(), list->sizeHint().height()));
    list->setVisible(layout.material == ArmourMaterial::Platemail);
    pieceLists_[Index(layout.material)] = list;
  }
}

// Tab enters the option group at its chosen button, also when Reset chose it; the arrow keys
// move within the group.
void Form1::KeepTabOnChosenOption() {
  for (QRadioButton* option : optionButtons_) {
    if (option) option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void Form1::SetTabOrder() {
  std::vector<std::pair<int, QWidget*>> order;
  order.reserve(kButtons.size() + kFieldBoxes.size() + kOptions.size() + kPieceLists.size());
  for (const ButtonLayout& layout : kButtons) {
    order.emplace_back(layout.tabIndex, Button(layout.button));
  }
  for (const FieldBoxLayout& layout : kFieldBoxes) {
    order.emplace_back(layout.tabIndex, FieldBox(layout.field));
  }
  for (const OptionLayout& layout : kOptions) {
    order.emplace_back(layout.tabIndex, OptionButton(layout.material));
  }
  for (const PieceListLayout& layout : kPieceLists) {
    order.emplace_back(layout.tabIndex, PieceList(layout.material));
  }
  std::ranges::stable_sort(order, {}, &std::pair<int, QWidget*>::first);
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(order[i - 1].second, order[i].second);
  }
}

void Form1::ConnectClicks() {
  OnClick(Button(form1::Button::Go), [this] { MakeScript(controls_); });
  OnClick(Button(form1::Button::WholeSet), [this] { MakeWholeSet(controls_); });
  OnClick(Button(form1::Button::Reset), [this] { ResetFields(controls_); });
  OnClick(Button(form1::Button::Exit), [] { ExitProgram(); });
  for (const ArmourMaterial material : kArmourMaterials) {
    OnClick(OptionButton(material), [this, material] { SelectMaterial(controls_, material); });
  }
}

void Form1::OnClick(QAbstractButton* button, std::function<void()> handler) {
  connect(button, &QAbstractButton::clicked, this,
          [this, handler = std::move(handler)] { RunHandler(handler); });
}

// An error must not unwind through the toolkit's frames: it ends the handler here and is
// shown, and the windows stay as the handler left them.
void Form1::RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    reportError_(error);
  }
}

}  // namespace armoursmith
