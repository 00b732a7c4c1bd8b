#include "stanplan/qt/menu_bar.h"

#include <QAction>
#include <QMenu>

#include "stanplan/qt/glyphs.h"
#include "stanplan/qt/render_util.h"

namespace stanplan {

DesignerMenuBar::DesignerMenuBar(const designer::DesignerForm& form, const WindowEvents& events,
                                 QWidget* parent)
    : QMenuBar(parent), form_(form), events_(events) {
  setObjectName("MainMenu1");
  AddEntries(this, form_.MainMenu1);
  Render();
}

void DesignerMenuBar::AddEntries(QWidget* menu, const std::vector<designer::TMenuItem>& items) {
  for (const designer::TMenuItem& item : items) {
    const QString name = ToQ(item.Name);
    QAction* action = nullptr;
    if (!item.Items.empty()) {
      auto* submenu = new QMenu(ToQ(item.Caption), menu);
      submenu->setObjectName(name);
      AddEntries(submenu, item.Items);
      action = submenu->menuAction();
    } else {
      action = new QAction(ImageListIcon(item.ImageIndex), ToQ(item.Caption), menu);
      const std::string entry = item.Name;
      connect(action, &QAction::triggered, this, [this, entry] { events_.click(entry); });
    }
    action->setObjectName(name);
    menu->addAction(action);
    actions_[item.Name] = action;
  }
}

void DesignerMenuBar::Render() {
  RenderEntries(form_.MainMenu1);
}

void DesignerMenuBar::RenderEntries(const std::vector<designer::TMenuItem>& items) {
  for (const designer::TMenuItem& item : items) {
    const auto found = actions_.find(item.Name);
    if (found != actions_.end()) {
      const QString caption = ToQ(item.Caption);
      if (found->second->text() != caption) found->second->setText(caption);
    }
    RenderEntries(item.Items);
  }
}

}  // namespace stanplan
