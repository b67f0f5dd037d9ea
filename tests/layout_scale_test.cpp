// Run once for each QT_SCALE_FACTOR ctest sets (1, 1.5 and 2): the main window's layout, kept
// in device-independent pixels, must come out whole and sharp at every factor.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QWindow>

#include "piece_catalogue.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

using testing::WindowsTest;

// The width a line of text may take in a box, a button or an option button as the style lays
// out their insides.
int RoomForText(const QWidget* control) {
  const QStyle* style = control->style();
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const int boxMargins = 2 * 2;  // a line edit keeps 2 pixels clear on either side
    return style->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - boxMargins;
  }
  QStyleOptionButton option;
  option.initFrom(control);
  const bool isOption = qobject_cast<const QRadioButton*>(control) != nullptr;
  const auto contents = isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
  return style->subElementRect(contents, &option, control).width();
}

void ExpectFits(const QWidget* control, const QString& text) {
  EXPECT_LE(control->fontMetrics().horizontalAdvance(text), RoomForText(control))
      << qPrintable(control->objectName()) << ": " << qPrintable(text);
}

// The children of the window or of a frame lie inside it, in a frame below its title and
// inside its border, and do not overlap each other.
void ExpectApart(const QWidget* parent) {
  const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const QRect room =
      qobject_cast<const QGroupBox*>(parent) ? parent->contentsRect() : parent->rect();
  for (qsizetype i = 0; i < children.size(); ++i) {
    const QRect place = children[i]->geometry();
    const std::string name = children[i]->objectName().toStdString();
    EXPECT_TRUE(room.contains(place))
        << name << " is not inside " << qPrintable(parent->objectName());
    for (qsizetype j = 0; j < i; ++j) {
      // The piece lists share one spot by design; only one is ever shown.
      const bool stackedLists = qobject_cast<QComboBox*>(children[i]) != nullptr &&
                                qobject_cast<QComboBox*>(children[j]) != nullptr;
      EXPECT_TRUE(stackedLists || !children[j]->geometry().intersects(place))
          << qPrintable(children[j]->objectName()) << " overlaps " << name;
    }
  }
}

TEST_F(WindowsTest, LayoutStaysWholeAndSharpAtTheScaleFactor) {
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
  EXPECT_DOUBLE_EQ(form1.windowHandle()->devicePixelRatio(), factor);
  EXPECT_EQ(form1.size(), QSize(412, 461));
  // Painted at the full device resolution, which is what keeps the text sharp.
  const QPixmap pixels = form1.grab();
  EXPECT_DOUBLE_EQ(pixels.devicePixelRatio(), factor);
  EXPECT_EQ(pixels.size(), (QSizeF(form1.size()) * factor).toSize());

  ExpectApart(&form1);
  for (const QGroupBox* frame : form1.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
    ExpectApart(frame);
    EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width())
        << qPrintable(frame->objectName());
  }

  for (const ItemField field : kAllItemFields) {
    ExpectFits(form1.FieldBox(field), form1.FieldBox(field)->text());
  }
  for (const form1::ButtonLayout& layout : form1::kButtons) {
    ExpectFits(form1.Button(layout.button), form1.Button(layout.button)->text());
  }
  for (const MaterialInfo& info : PieceCatalogue()) {
    ExpectFits(form1.OptionButton(info.material), form1.OptionButton(info.material)->text());
    // A piece list shows its starting text or the chosen entry in its edit field.
    const QComboBox* list = form1.PieceList(info.material);
    ExpectFits(list->lineEdit(), list->currentText());
    for (int i = 0; i < list->count(); ++i) ExpectFits(list->lineEdit(), list->itemText(i));
  }
}

}  // namespace
}  // namespace armoursmith
