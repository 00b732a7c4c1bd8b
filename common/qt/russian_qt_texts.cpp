#include "common/qt/russian_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace shell {

bool InstallRussianQtTexts(QCoreApplication& app) {
  const QLocale russian(QLocale::Russian, QLocale::Russia);
  QLocale::setDefault(russian);
  // "qt" names the catalogue that pulls in those of every Qt module in use.
  auto* translator = new QTranslator(&app);
  if (!translator->load(russian, QStringLiteral("qt"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace shell
