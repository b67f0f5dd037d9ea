// Runs once for each QT_SCALE_FACTOR that ctest sets (1, 1.5 and 2): the main window's layout,
// kept in device-independent pixels, must come out whole and sharp at every factor.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QWindow>

#include "windows_fixture.h"

namespace armoursmith {
namespace {

// The width the style leaves for a control's text.
int RoomForText(const QWidget* control) {
  QStyleOptionButton option;
  option.initFrom(control);
  if (qobject_cast<const QLineEdit*>(control)) return control->contentsRect().width() - 4;
  const bool isOption = qobject_cast<const QRadioButton*>(control) != nullptr;
  return control->style()
      ->subElementRect(isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                       &option, control)
      .width();
}

// Children lie inside their parent (inside a frame's border, below its title) and apart from
// each other, but for the piece lists, which share one spot by design; their texts fit.
void ExpectWholeAndApart(const QWidget* parent) {
  const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  const QRect room =
      qobject_cast<const QGroupBox*>(parent) ? parent->contentsRect() : parent->rect();
  for (qsizetype i = 0; i < children.size(); ++i) {
    const QWidget* child = children[i];
    EXPECT_TRUE(room.contains(child->geometry())) << child->objectName();
    for (qsizetype j = 0; j < i; ++j) {
      const bool lists =
          qobject_cast<const QComboBox*>(child) && qobject_cast<QComboBox*>(children[j]);
      EXPECT_TRUE(lists || !children[j]->geometry().intersects(child->geometry()))
          << children[j]->objectName() << " overlaps " << child->objectName();
    }
    QStringList texts = {child->property("text").toString()};
    if (const auto* list = qobject_cast<const QComboBox*>(child)) {
      for (int k = 0; k < list->count(); ++k) texts.append(list->itemText(k));
      child = list->lineEdit();
    }
    for (const QString& text : texts) {
      EXPECT_LE(child->fontMetrics().horizontalAdvance(text), RoomForText(child)) << text;
    }
  }
}

using testing::WindowsTest;

TEST_F(WindowsTest, LayoutStaysWholeAndSharpAtTheScaleFactor) {
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
  EXPECT_DOUBLE_EQ(form1.windowHandle()->devicePixelRatio(), factor);
  EXPECT_EQ(form1.size(), QSize(412, 461));
  // Painted at the full device resolution, which keeps the text sharp.
  EXPECT_EQ(form1.grab().size(), (QSizeF(form1.size()) * factor).toSize());
  ExpectWholeAndApart(&form1);
  for (const QGroupBox* frame : form1.findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
    ExpectWholeAndApart(frame);
    EXPECT_LE(frame->fontMetrics().horizontalAdvance(frame->title()), frame->width());
  }
}

}  // namespace
}  // namespace armoursmith
