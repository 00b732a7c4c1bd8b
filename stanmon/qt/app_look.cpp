#include "stanmon/qt/app_look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace stanmon {

void SetUpLook(QApplication& app) {
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font = QApplication::font();
  font.setPixelSize(12);
  app.setFont(font);
}

}  // namespace stanmon
