#include "stanplan/qt/app_look.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include "common/qt/russian_qt_texts.h"

namespace stanplan {

// The window's font is an 11-pixel sans serif of Arial's metrics, where installed,
// so the grid's headings fit their columns.
void SetUpLook(QApplication& app) {
  app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  app.setFont(font);
  shell::InstallRussianQtTexts(app);
}

}  // namespace stanplan
