#include "tests/support/every_control.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <QtGlobal>
#include <vector>

#include "common/qt/unrouted_control.h"

namespace testing_support {
namespace {

// Where the message handler puts the names while a window is worked.
std::set<std::string>* unrouted_names = nullptr;
QtMessageHandler earlier_handler = nullptr;

void CatchUnroutedNames(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::string message = text.toStdString();
  if (unrouted_names != nullptr && message.starts_with(shell::kUnroutedControlWarning)) {
    unrouted_names->insert(message.substr(shell::kUnroutedControlWarning.size()));
    return;
  }
  earlier_handler(type, context, text);
}

// The window's own controls, which carry their names; Qt's inner parts (named
// "qt_..." or not at all) are left alone. Guarded, since a handler may take a
// control away.
template <typename Control>
std::vector<QPointer<Control>> All(QWidget& window) {
  std::vector<QPointer<Control>> all;
  for (Control* control : window.findChildren<Control*>()) {
    const QString name = control->objectName();
    if (!name.isEmpty() && !name.startsWith("qt_")) all.emplace_back(control);
  }
  return all;
}

}  // namespace

std::set<std::string> WorkEveryControlForUnroutedNames(QWidget& window) {
  std::set<std::string> names;
  unrouted_names = &names;
  earlier_handler = qInstallMessageHandler(CatchUnroutedNames);
  for (const auto& button : All<QAbstractButton>(window)) {
    if (button) button->click();
  }
  for (const auto& action : All<QAction>(window)) {
    if (action && action->menu() == nullptr && !action->isSeparator()) action->trigger();
  }
  for (const auto& box : All<QComboBox>(window)) {
    if (box) emit box->activated(0);
  }
  for (const auto& line : All<QLineEdit>(window)) {
    if (line) emit line->returnPressed();
  }
  qInstallMessageHandler(earlier_handler);
  unrouted_names = nullptr;
  return names;
}

}  // namespace testing_support
