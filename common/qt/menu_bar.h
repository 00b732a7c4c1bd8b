// The main menu MainMenu1, built from the form's menu entries. Every menu and
// action is named after its entry; captions and check marks follow the form.
#pragma once

#include <QIcon>
#include <QMenuBar>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/controls.h"

class QAction;

namespace shell {

class FormMenuBar : public QMenuBar {
  Q_OBJECT

 public:
  // click runs with an entry's name when an entry without a submenu is chosen.
  // icon gives an entry's picture by its image index; without it no entry has one.
  FormMenuBar(const std::vector<common::TMenuItem>& entries,
              std::function<void(const std::string& entry)> click, QWidget* parent,
              std::function<QIcon(int image_index)> icon = {});
  void Render();

 private:
  void AddEntries(QWidget* menu, const std::vector<common::TMenuItem>& items);
  void RenderEntries(const std::vector<common::TMenuItem>& items);

  const std::vector<common::TMenuItem>& entries_;
  std::function<void(const std::string&)> click_;
  std::function<QIcon(int)> icon_;
  std::map<std::string, QAction*> actions_;  // by entry name
};

}  // namespace shell
