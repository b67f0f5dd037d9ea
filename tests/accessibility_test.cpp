// What a screen reader is told about the main window's controls.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <set>

#include "windows_fixture.h"

namespace armoursmith {
namespace {

using testing::WindowsTest;

QString AccessibleName(QWidget* control) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  return accessible ? accessible->text(QAccessible::Name) : QString();
}

TEST_F(WindowsTest, EveryControlHasItsOwnAccessibleNameAndFieldBoxesShowItAsTooltip) {
  std::vector<QWidget*> controls;
  for (const ItemField field : kAllItemFields) {
    QLineEdit* box = form1.FieldBox(field);
    EXPECT_EQ(box->toolTip(), AccessibleName(box)) << qPrintable(box->objectName());
    controls.push_back(box);
  }
  for (const ArmourMaterial material : kArmourMaterials) {
    controls.push_back(form1.PieceList(material));
    controls.push_back(form1.OptionButton(material));
  }
  for (const form1::ButtonLayout& layout : form1::kButtons) {
    controls.push_back(form1.Button(layout.button));
  }
  std::set<QString> names;
  for (QWidget* control : controls) {
    const QString name = AccessibleName(control);
    EXPECT_FALSE(name.isEmpty()) << qPrintable(control->objectName());
    EXPECT_TRUE(names.insert(name).second)
        << qPrintable(control->objectName()) << " repeats " << qPrintable(name);
  }
}

}  // namespace
}  // namespace armoursmith
