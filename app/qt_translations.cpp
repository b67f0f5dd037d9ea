#include "qt_translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace armoursmith {

namespace {

// Where Qt's translations are: built into the program where its Qt has none to share (Windows),
// otherwise the Qt installation's own folder.
QString QtTranslationsFolder() {
#ifdef ARMOURSMITH_QT_TRANSLATIONS
  return QStringLiteral(ARMOURSMITH_QT_TRANSLATIONS);
#else
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#endif
}

}  // namespace

void LoadQtTranslations() {
  // A translation names its language's writing direction; the windows' fixed layout must not
  // be mirrored for a right-to-left one. Qt's own -reverse option still mirrors it on request.
  if (!QGuiApplication::isRightToLeft()) QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QLocale(), "qtbase", "_", QtTranslationsFolder())) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace armoursmith
