#include "stanmon/qt/main_window.h"

#include <QApplication>
#include <QTabWidget>
#include <array>
#include <cstddef>
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
    OnOperatorEvent();
  });
  setCentralWidget(pages_);
  pages_->setFocus();  // not the date, which would open with its day selected
  Render();
}

void MainWindow::OnOperatorEvent() {
  shown_.reset();
  FormWindow::OnOperatorEvent();
}

namespace {

using monitor::ConsoleForm;
using monitor::TStringGrid;

// Brings the members of the shown copy up to date with the form, comparing each
// once; true when any of them differed.
template <typename... Members>
bool TakeChanged(const ConsoleForm& form, ConsoleForm& shown, Members ConsoleForm::*... members) {
  bool changed = false;
  const auto take = [&](auto member) {
    if (shown.*member == form.*member) return;
    shown.*member = form.*member;
    changed = true;
  };
  (take(members), ...);
  return changed;
}

// Brings elements first..last of an array member of the shown copy up to date;
// true when any of them differed.
template <typename T, std::size_t N>
bool TakeChangedElements(const std::array<T, N>& form, std::array<T, N>& shown, std::size_t first,
                         std::size_t last) {
  bool changed = false;
  for (std::size_t i = first; i <= last; ++i) {
    if (shown[i] == form[i]) continue;
    shown[i] = form[i];
    changed = true;
  }
  return changed;
}

}  // namespace

// Most timer ticks change nothing on screen, and most of the rest one panel or
// lamp. Comparing the form with its last shown copy costs far less than asking
// every widget what it shows, so each part of the window is rendered only when
// a member of the form that it shows has changed. The cells of the grids, which
// hold most of the form, are compared only when they have been written since.
void MainWindow::Render() {
  const ConsoleForm& form = console_.form();
  const bool may_have_changed = console_.FormMayHaveChanged();
  if (shown_ && !may_have_changed) return;
  const bool first = !shown_;
  if (first) shown_ = form;
  const auto changed = [&](auto... members) {
    return TakeChanged(form, *shown_, members...) || first;
  };
  const auto grid_changed = [&](TStringGrid ConsoleForm::*grid) {
    std::uint64_t& seen = shown_grid_writes_[&(form.*grid)];
    const bool written = (form.*grid).Writes() != seen;
    seen = (form.*grid).Writes();
    if (!first && !written && (form.*grid).SameLayout((*shown_).*grid)) return false;
    return changed(grid);
  };
  // Members that more than one part shows. Of the images, the plan's background
  // (Image1) and markers (up to Image17) blink, and the rest, the tool bar's lamps,
  // change with every poll.
  constexpr std::size_t kLastPlanImage = monitor::MarkerImage(monitor::kSignalsPerChannel);
  const bool plan_images =
      TakeChangedElements(form.Image, shown_->Image, 0, kLastPlanImage) || first;
  const bool lamps =
      TakeChangedElements(form.Image, shown_->Image, kLastPlanImage + 1, form.Image.size() - 1) ||
      first;
  const bool buttons = changed(&ConsoleForm::BitBtn);
  const bool boxes = changed(&ConsoleForm::GroupBox);
  const bool check_boxes = changed(&ConsoleForm::CheckBox);
  // Each grid is looked at whatever else has changed, so that its count is taken.
  const bool signal_table = grid_changed(&ConsoleForm::StringGrid1);
  const bool object_table = grid_changed(&ConsoleForm::StringGrid3);
  const bool operator_list = grid_changed(&ConsoleForm::StringGrid4);
  const bool plan_grid = grid_changed(&ConsoleForm::StringGrid2);
  const bool journal = grid_changed(&ConsoleForm::StringGrid7);

  if (changed(&ConsoleForm::Caption)) RenderCaption(form.Caption);
  if (changed(&ConsoleForm::MainMenu1)) RenderMenuBar();
  if (changed(&ConsoleForm::ToolButton, &ConsoleForm::DateTimePicker1, &ConsoleForm::Edit20,
              &ConsoleForm::Gauge1, &ConsoleForm::ComboBox2) ||
      lamps || buttons)
    tool_bar_->Render();
  if (changed(&ConsoleForm::StatusBar1)) RenderStatusBar();
  if (changed(&ConsoleForm::PageControl1, &ConsoleForm::ActivePageIndex)) {
    for (int i = 0; i < pages_->count(); ++i) {
      const QString page_caption = shell::ToQ(form.PageControl1[static_cast<size_t>(i)].Caption);
      if (pages_->tabText(i) != page_caption) pages_->setTabText(i, page_caption);
    }
    if (pages_->currentIndex() != form.ActivePageIndex)
      pages_->setCurrentIndex(form.ActivePageIndex);
  }
  if (changed(&ConsoleForm::ComboBox1, &ConsoleForm::Shape) || buttons || boxes || check_boxes)
    mnemonic_->Render();
  if (changed(&ConsoleForm::Edit1, &ConsoleForm::Edit2, &ConsoleForm::Edit19) || signal_table ||
      object_table || operator_list || boxes || check_boxes)
    settings_->Render();
  if (plan_grid || plan_images) plan_->Render();
  if (changed(&ConsoleForm::Label, &ConsoleForm::Memo2) || boxes) about_->Render();
  if (journal) journal_->Render();
}

}  // namespace stanmon
