// Qt's own texts in the user's language: run with a German desktop language, set before the
// application object exists as a desktop session sets it. The script stays as it was.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTranslator>
#include <memory>

#include "qt_translations.h"
#include "test_files.h"
#include "windows_fixture.h"

namespace armoursmith {
namespace {

class QtLanguageTest : public testing::WindowsTest {
 protected:
  void TearDown() override {
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
      QCoreApplication::removeTranslator(translator);
      delete translator;
    }
  }
  // The entries of the Id box's context menu, without their access-key marks.
  QStringList ContextMenu() const {
    const std::unique_ptr<QMenu> menu(Control<QLineEdit>("txtid")->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
      if (!action->isSeparator()) entries << action->text().remove('&');
    }
    return entries;
  }
};

// The German words are Qt's and change between its releases: the test asks only that every
// entry of the menu is translated, and that the script stays as it was.
TEST_F(QtLanguageTest, GermanDesktopGetsGermanMenusAndTheSameScript) {
  const QStringList english = ContextMenu();
  LoadQtTranslations();
  const QStringList german = ContextMenu();
  ASSERT_EQ(german.size(), english.size());
  for (qsizetype entry = 0; entry < german.size(); ++entry) {
    EXPECT_NE(german[entry], english[entry]);
  }
  Pick("cbo2", 1);
  Click("cmdgo");
  EXPECT_EQ(Script(), testing::ReadGolden("startup_platemail_tunic.txt"));
}

TEST_F(QtLanguageTest, RightToLeftLanguageKeepsTheLayoutLeftToRight) {
  QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
  LoadQtTranslations();
  QLocale::setDefault(QLocale::system());
  EXPECT_NE(ContextMenu().first(), "Undo\tCtrl+Z");                // Arabic came in ...
  EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);  // ... and mirrored nothing.
  EXPECT_EQ(form1.layoutDirection(), Qt::LeftToRight);
}

}  // namespace
}  // namespace armoursmith

int main(int argc, char* argv[]) {
  // What a German desktop session sets; the locale need not be installed on the system.
  qputenv("LANGUAGE", "de_DE:de");
  qputenv("LC_ALL", "de_DE.UTF-8");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", ARMOURSMITH_TEST_PLATFORM);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
