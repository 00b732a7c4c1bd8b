// Pushing a form value into a widget only when the widget shows something else,
// so an unchanged value never repaints or moves a cursor.
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <vector>

#include "common/controls.h"

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace shell {

inline QString ToQ(const std::string& text) {
  return QString::fromStdString(text);
}
inline std::string FromQ(const QString& text) {
  return text.toStdString();
}

// What a single-line field keeps of a typed or pasted text: the part before the
// first line break, so a cell never splits a line of a file.
std::string SingleLine(const QString& text);

void SetText(QLineEdit* edit, const std::string& text);
void SetText(QLabel* label, const std::string& text);
void SetText(QAbstractButton* button, const std::string& text);
void SetTitle(QGroupBox* box, const std::string& title);
void SetToolTip(QWidget* widget, const std::string& tip);
void SetChecked(QAbstractButton* button, bool checked);
// Shown or hidden among its siblings, whether or not the window is on screen yet.
void SetVisible(QWidget* widget, bool visible);
// The widget's own background (its background role's colour, filled).
void SetBackground(QWidget* widget, const QColor& color);
void SetBold(QWidget* widget, bool bold);
// The text colour, also of an editable field's text; a plain form colour.
void SetTextColor(QWidget* widget, common::Color color);
// An editable combo box: its list, then its edit text.
void SetItems(QComboBox* combo, const std::vector<std::string>& items);
void SetEditText(QComboBox* combo, const std::string& text);

// Memo lines as one text and back; the text of no lines is empty.
QString JoinLines(const std::vector<std::string>& lines);
std::vector<std::string> SplitLines(const QString& text);

}  // namespace shell
