#include "qt_translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace armoursmith {

void LoadQtTranslations() {
  // A translation names its language's writing direction; the windows' fixed layout must not
  // be mirrored for a right-to-left one. Qt's own -reverse option still mirrors it on request.
  if (!QGuiApplication::isRightToLeft()) QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QLocale(), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace armoursmith
