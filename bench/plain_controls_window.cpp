#include "plain_controls_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "field_prompts.h"
#include "form1_layout.h"
#include "piece_catalogue.h"
#include "qt_text.h"

namespace armoursmith::bench {

using namespace form1;

PlainControlsWindow::PlainControlsWindow() {
  setWindowTitle(ToQString(kCaption));
  resize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));
  std::array<QGroupBox*, kFrames.size()> frames{};
  for (const FrameLayout& layout : kFrames) {
    auto* frame = new QGroupBox(ToQString(layout.caption), this);
    frame->setGeometry(TwipsToPixels(layout.rect));
    frames[static_cast<std::size_t>(layout.frame)] = frame;
  }
  for (const ButtonLayout& layout : kButtons) {
    auto* button = new QPushButton(ToQString(layout.caption), this);
    button->setGeometry(TwipsToPixels(layout.rect));
  }
  for (const FieldBoxLayout& layout : kFieldBoxes) {
    auto* box = new QLineEdit(ToQString(FieldPrompt(layout.field)),
                              frames[static_cast<std::size_t>(layout.frame)]);
    box->setGeometry(TwipsToPixels({kFieldBoxLeft, layout.top, layout.width, kFieldBoxHeight}));
  }
  QGroupBox* types = frames[static_cast<std::size_t>(Frame::Types)];
  for (const OptionLayout& layout : kOptions) {
    auto* option = new QRadioButton(ToQString(CatalogueEntry(layout.material).caption), types);
    option->setGeometry(TwipsToPixels({kOptionLeft, layout.top, kOptionWidth, kOptionHeight}));
    option->setChecked(layout.material == ArmourMaterial::Platemail);
  }
  QGroupBox* pieces = frames[static_cast<std::size_t>(Frame::PieceOfArmour)];
  for (const PieceListLayout& layout : kPieceLists) {
    const MaterialInfo& info = CatalogueEntry(layout.material);
    auto* list = new QComboBox(pieces);
    list->setEditable(true);
    for (const PieceEntry& entry : info.entries) list->addItem(ToQString(entry.label));
    list->setEditText(ToQString(info.defaultText));
    list->setGeometry(TwipsToPixels(kPieceListRect));
    list->setVisible(layout.material == ArmourMaterial::Platemail);
  }
}

}  // namespace armoursmith::bench
