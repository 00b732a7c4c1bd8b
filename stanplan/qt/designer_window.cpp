#include "stanplan/qt/designer_window.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>

#include "common/qt/edit_commands.h"
#include "common/qt/render_util.h"
#include "stanplan/qt/drawing_area.h"
#include "stanplan/qt/glyphs.h"
#include "stanplan/qt/settings_group.h"
#include "stanplan/qt/tool_bar.h"

namespace stanplan {

namespace {

constexpr int kStatusBarHeight = 19;
constexpr QRect kToolBar(0, 0, 787, 29);
constexpr QRect kPages(0, 32, 769, 425);
constexpr QRect kSettings(0, 0, 193, 385);
constexpr QRect kDrawing(200, 8, 561, 377);

}  // namespace

DesignerWindow::DesignerWindow(DesignerApp& app, QWidget* parent)
    : FormWindow(
          app, [&app] { return app.TerminateRequested(); }, parent),
      app_(app) {
  designer::DesignerForm& form = app_.form();
  const shell::WindowEvents events = Events();
  setObjectName("Form1");
  setFixedSize(form.Width, form.Height);
  move(form.Left, form.Top);
  setContextMenuPolicy(Qt::PreventContextMenu);  // no tool-bar hiding menu

  AddMenuBar(form.MainMenu1, events.click, ImageListIcon);
  AddStatusBar(form.StatusBar1, shell::LastPanel::kFixed);
  statusBar()->setFixedHeight(kStatusBarHeight);

  auto* client = new QWidget(this);
  tool_bar_ = new DesignerToolBar(form, events, client);
  tool_bar_->setGeometry(kToolBar);
  pages_ = new QTabWidget(client);
  pages_->setObjectName("PageControl1");
  pages_->setGeometry(kPages);
  auto* tab = new QWidget(pages_);
  tab->setObjectName("TabSheet1");
  pages_->addTab(tab, shell::ToQ(form.TabSheet1));
  settings_ = new SettingsGroup(form, events, tab);
  settings_->setGeometry(kSettings);
  drawing_ = new DrawingArea(form, tab);
  drawing_->setGeometry(kDrawing);
  setCentralWidget(client);
  AddEditActions();
  Render();
}

// ActionList1: the standard edit actions on the focused field. A line edit
// takes its own keys first; the actions serve the grid's cells and the keys a
// line edit lacks.
void DesignerWindow::AddEditActions() {
  struct Entry {
    const char* name;
    shell::EditCommand command;
    QKeySequence keys;
  };
  const Entry entries[] = {
      {"EditCut1", shell::EditCommand::kCut, QKeySequence(Qt::CTRL | Qt::Key_X)},
      {"EditCopy1", shell::EditCommand::kCopy, QKeySequence(Qt::CTRL | Qt::Key_C)},
      {"EditPaste1", shell::EditCommand::kPaste, QKeySequence(Qt::CTRL | Qt::Key_V)},
      {"EditDelete1", shell::EditCommand::kDelete, QKeySequence(Qt::Key_Delete)},
      {"EditUndo1", shell::EditCommand::kUndo, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
      {"EditSelectAll1", shell::EditCommand::kSelectAll, QKeySequence()},
  };
  for (const Entry& entry : entries) {
    auto* action = new QAction(this);
    action->setObjectName(entry.name);
    action->setShortcut(entry.keys);
    connect(action, &QAction::triggered, this, [this, command = entry.command] {
      shell::ApplyEditCommand(command, QApplication::focusWidget());
      timer_driver().Refresh();
    });
    addAction(action);
  }
}

void DesignerWindow::EndProgram() {
  close();
  FormWindow::EndProgram();
}

void DesignerWindow::Render() {
  const designer::DesignerForm& form = app_.form();
  RenderFrame(form.Caption);
  const QString tab_caption = shell::ToQ(form.TabSheet1);
  if (pages_->tabText(0) != tab_caption) pages_->setTabText(0, tab_caption);
  tool_bar_->Render();
  settings_->Render();
  drawing_->Render();
}

}  // namespace stanplan
