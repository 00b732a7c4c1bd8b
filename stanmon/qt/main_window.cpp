#include "stanmon/qt/main_window.h"

#include <QApplication>
#include <QTabWidget>
#include <iterator>
#include <optional>

#include "common/qt/edit_commands.h"
#include "common/qt/render_util.h"
#include "stanmon/controls_without_handler.h"
#include "stanmon/qt/about_page.h"
#include "stanmon/qt/console_tool_bar.h"
#include "stanmon/qt/journal_page.h"
#include "stanmon/qt/mnemonic_page.h"
#include "stanmon/qt/plan_page.h"
#include "stanmon/qt/settings_page.h"

namespace stanmon {

namespace {

std::optional<shell::EditCommand> EditCommandOf(const std::string& entry) {
  if (entry == "Cut1") return shell::EditCommand::kCut;
  if (entry == "Copy1") return shell::EditCommand::kCopy;
  if (entry == "Paste1") return shell::EditCommand::kPaste;
  return std::nullopt;
}

}  // namespace

MainWindow::MainWindow(Console& console, QWidget* parent)
    : FormWindow(
          console, [&console] { return console.TerminateRequested(); }, parent),
      console_(console) {
  monitor::ConsoleForm& form = console_.form();
  const shell::WindowEvents events = Events(HasNoHandlerOnPurpose);
  setFixedSize(form.Width, form.Height);
  setContextMenuPolicy(Qt::PreventContextMenu);  // no tool-bar hiding menu

  // The edit entries act on the focused widget before their handlers run.
  const auto menu_click = [events](const std::string& entry) {
    if (const auto edit = EditCommandOf(entry))
      shell::ApplyEditCommand(*edit, QApplication::focusWidget());
    events.click(entry);
  };
  AddMenuBar(form.MainMenu1, menu_click);
  tool_bar_ = new ConsoleToolBar(form, events, this);
  addToolBar(tool_bar_);
  AddStatusBar(form.StatusBar1, shell::LastPanel::kStretches);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  mnemonic_ = new MnemonicPage(form, events, pages_);
  settings_ = new SettingsPage(form, events, pages_);
  plan_ = new PlanPage(form, events, pages_);
  about_ = new AboutPage(form, events, pages_);
  journal_ = new JournalPage(form, events, pages_);
  QWidget* const pages[] = {mnemonic_, settings_, plan_, about_, journal_};
  for (size_t i = 0; i < std::size(pages); ++i) {
    QWidget* page = pages[i];
    page->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
    pages_->addTab(page, shell::ToQ(form.PageControl1[i].Caption));
  }
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == console_.form().ActivePageIndex) return;  // the window's own rendering
    console_.form().ActivePageIndex = index;
    timer_driver().Refresh();
  });
  setCentralWidget(pages_);
  pages_->setFocus();  // not the date, which would open with its day selected
  Render();
}

void MainWindow::Render() {
  const monitor::ConsoleForm& form = console_.form();
  RenderFrame(form.Caption);
  tool_bar_->Render();
  for (int i = 0; i < pages_->count(); ++i) {
    const QString page_caption = shell::ToQ(form.PageControl1[static_cast<size_t>(i)].Caption);
    if (pages_->tabText(i) != page_caption) pages_->setTabText(i, page_caption);
  }
  if (pages_->currentIndex() != form.ActivePageIndex) pages_->setCurrentIndex(form.ActivePageIndex);
  mnemonic_->Render();
  settings_->Render();
  plan_->Render();
  about_->Render();
  journal_->Render();
}

}  // namespace stanmon
