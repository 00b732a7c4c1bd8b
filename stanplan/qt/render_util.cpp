#include "stanplan/qt/render_util.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpression>

namespace stanplan {

std::string SingleLine(const QString& text) {
  const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
  return FromQ(end < 0 ? text : text.left(end));
}

QColor ToQColor(designer::Color color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

void SetText(QLineEdit* edit, const std::string& text) {
  const QString wanted = ToQ(text);
  if (edit->text() != wanted) edit->setText(wanted);
}

void SetText(QLabel* label, const std::string& text) {
  const QString wanted = ToQ(text);
  if (label->text() != wanted) label->setText(wanted);
}

void SetText(QAbstractButton* button, const std::string& text) {
  const QString wanted = ToQ(text);
  if (button->text() != wanted) button->setText(wanted);
}

void SetTitle(QGroupBox* box, const std::string& title) {
  const QString wanted = ToQ(title);
  if (box->title() != wanted) box->setTitle(wanted);
}

void SetToolTip(QWidget* widget, const std::string& tip) {
  const QString wanted = ToQ(tip);
  if (widget->toolTip() != wanted) widget->setToolTip(wanted);
}

void SetVisible(QWidget* widget, bool visible) {
  if (widget->isVisibleTo(widget->parentWidget()) != visible) widget->setVisible(visible);
}

void SetTextColor(QWidget* widget, designer::Color color) {
  const QColor wanted = ToQColor(color);
  const QPalette::ColorRole role = widget->foregroundRole();
  if (widget->palette().color(role) == wanted) return;
  QPalette palette = widget->palette();
  palette.setColor(role, wanted);
  palette.setColor(QPalette::Text, wanted);
  widget->setPalette(palette);
}

}  // namespace stanplan
