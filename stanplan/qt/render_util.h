// Pushing a form value into a widget only when the widget shows something else,
// so an unchanged value never repaints or moves a cursor.
#pragma once

#include <QColor>
#include <QString>
#include <string>

#include "designer/controls.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace stanplan {

inline QString ToQ(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string FromQ(const QString& text) {
  return text.toStdString();
}

// What a single-line field keeps of a typed or pasted text: the part before the
// first line break, so a cell never splits a line of the file.
std::string SingleLine(const QString& text);

// A form colour (0x00BBGGRR) as a Qt colour.
QColor ToQColor(designer::Color color);

void SetText(QLineEdit* edit, const std::string& text);
void SetText(QLabel* label, const std::string& text);
void SetText(QAbstractButton* button, const std::string& text);
void SetTitle(QGroupBox* box, const std::string& title);
void SetToolTip(QWidget* widget, const std::string& tip);
// Shown or hidden among its siblings, whether or not the window is on screen yet.
void SetVisible(QWidget* widget, bool visible);
void SetTextColor(QWidget* widget, designer::Color color);

}  // namespace stanplan
