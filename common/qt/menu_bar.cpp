#include "common/qt/menu_bar.h"

#include <QAction>
#include <QMenu>

#include "common/qt/render_util.h"

namespace shell {

FormMenuBar::FormMenuBar(const std::vector<common::TMenuItem>& entries,
                         std::function<void(const std::string& entry)> click, QWidget* parent,
                         std::function<QIcon(int image_index)> icon)
    : QMenuBar(parent), entries_(entries), click_(std::move(click)), icon_(std::move(icon)) {
  setObjectName("MainMenu1");
  AddEntries(this, entries_);
  Render();
}

void FormMenuBar::AddEntries(QWidget* menu, const std::vector<common::TMenuItem>& items) {
  for (const common::TMenuItem& item : items) {
    const QString name = ToQ(item.Name);
    QAction* action = nullptr;
    if (!item.Items.empty()) {
      auto* submenu = new QMenu(ToQ(item.Caption), menu);
      submenu->setObjectName(name);
      AddEntries(submenu, item.Items);
      action = submenu->menuAction();
    } else {
      action = new QAction(ToQ(item.Caption), menu);
      if (icon_) action->setIcon(icon_(item.ImageIndex));
      const std::string entry = item.Name;
      connect(action, &QAction::triggered, this, [this, entry] { click_(entry); });
    }
    action->setObjectName(name);
    menu->addAction(action);
    actions_[item.Name] = action;
  }
}

void FormMenuBar::Render() {
  RenderEntries(entries_);
}

void FormMenuBar::RenderEntries(const std::vector<common::TMenuItem>& items) {
  for (const common::TMenuItem& item : items) {
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

}  // namespace shell
