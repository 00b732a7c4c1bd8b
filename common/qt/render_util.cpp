#include "common/qt/render_util.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRegularExpression>

#include "common/qt/color.h"

namespace shell {

std::string SingleLine(const QString& text) {
  const qsizetype end = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
  return FromQ(end < 0 ? text : text.left(end));
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

void SetChecked(QAbstractButton* button, bool checked) {
  if (button->isChecked() != checked) button->setChecked(checked);
}

void SetVisible(QWidget* widget, bool visible) {
  if (widget->isVisibleTo(widget->parentWidget()) != visible) widget->setVisible(visible);
}

void SetBackground(QWidget* widget, const QColor& color) {
  const QPalette::ColorRole role = widget->backgroundRole();  // a button's is not Window
  if (widget->autoFillBackground() && widget->palette().color(role) == color) return;
  QPalette palette = widget->palette();
  palette.setColor(role, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetBold(QWidget* widget, bool bold) {
  if (widget->font().bold() == bold) return;
  QFont font = widget->font();
  font.setBold(bold);
  widget->setFont(font);
}

void SetTextColor(QWidget* widget, common::Color color) {
  const QColor wanted = ToQColor(color);
  const QPalette::ColorRole role = widget->foregroundRole();
  if (widget->palette().color(role) == wanted) return;
  QPalette palette = widget->palette();
  palette.setColor(role, wanted);
  palette.setColor(QPalette::Text, wanted);
  widget->setPalette(palette);
}

void SetItems(QComboBox* combo, const std::vector<std::string>& items) {
  bool same = combo->count() == static_cast<int>(items.size());
  for (int i = 0; same && i < combo->count(); ++i) same = combo->itemText(i) == ToQ(items[i]);
  if (same) return;
  const QString text = combo->currentText();
  combo->clear();
  for (const std::string& item : items) combo->addItem(ToQ(item));
  combo->setEditText(text);
}

void SetEditText(QComboBox* combo, const std::string& text) {
  const QString wanted = ToQ(text);
  if (combo->currentText() != wanted) combo->setEditText(wanted);
}

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList joined;
  for (const std::string& line : lines) joined.append(ToQ(line));
  return joined.join(QLatin1Char('\n'));
}

std::vector<std::string> SplitLines(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(FromQ(line));
  return lines;
}

}  // namespace shell
