#include "stanmon/qt/app_look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "common/qt/russian_qt_texts.h"

namespace stanmon {

void SetUpLook(QApplication& app) {
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // Arial's metrics, which the form's column widths and captions were sized for;
  // DejaVu Sans is wider and cuts off a journal date-time.
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), font.family()});
  font.setPixelSize(12);
  app.setFont(font);
  shell::InstallRussianQtTexts(app);
}

}  // namespace stanmon
