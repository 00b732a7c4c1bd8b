#include "stanmon/qt/console_menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <optional>

#include "stanmon/qt/edit_commands.h"
#include "stanmon/qt/render_util.h"

namespace stanmon {
namespace {

std::optional<EditCommand> EditCommandOf(const std::string& name) {
  if (name == "Cut1") return EditCommand::kCut;
  if (name == "Copy1") return EditCommand::kCopy;
  if (name == "Paste1") return EditCommand::kPaste;
  return std::nullopt;
}

}  // namespace

ConsoleMenuBar::ConsoleMenuBar(monitor::ConsoleForm& form, const WindowEvents& events,
                               QWidget* parent)
    : QMenuBar(parent), form_(form), events_(events) {
  setObjectName("MainMenu1");
  AddEntries(this, form_.MainMenu1);
  Render();
}

void ConsoleMenuBar::AddEntries(QWidget* menu, const std::vector<monitor::TMenuItem>& items) {
  for (const monitor::TMenuItem& item : items) {
    const QString name = ToQ(item.Name);
    QAction* action = nullptr;
    if (!item.Items.empty()) {
      auto* submenu = new QMenu(ToQ(item.Caption), menu);
      submenu->setObjectName(name);
      AddEntries(submenu, item.Items);
      action = submenu->menuAction();
    } else {
      action = new QAction(ToQ(item.Caption), menu);
      const std::string entry = item.Name;
      connect(action, &QAction::triggered, this, [this, entry] {
        if (const auto edit = EditCommandOf(entry)) {
          ApplyEditCommand(*edit, QApplication::focusWidget());
        }
        events_.click(entry);
      });
    }
    action->setObjectName(name);
    menu->addAction(action);
    actions_[item.Name] = action;
  }
}

void ConsoleMenuBar::Render() {
  RenderEntries(form_.MainMenu1);
}

void ConsoleMenuBar::RenderEntries(const std::vector<monitor::TMenuItem>& items) {
  for (const monitor::TMenuItem& item : items) {
    const auto found = actions_.find(item.Name);
    if (found != actions_.end()) {
      QAction* action = found->second;
      const QString caption = ToQ(item.Caption);
      if (action->text() != caption) action->setText(caption);
      // Only a ticked entry shows a tick box, as the form's menus do.
      if (action->isCheckable() != item.Checked) action->setCheckable(item.Checked);
      if (action->isChecked() != item.Checked) action->setChecked(item.Checked);
    }
    RenderEntries(item.Items);
  }
}

}  // namespace stanmon
