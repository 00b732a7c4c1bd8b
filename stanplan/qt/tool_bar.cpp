#include "stanplan/qt/tool_bar.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <QToolButton>
#include <optional>

#include "common/qt/drawn_icon.h"
#include "common/qt/edit_commands.h"
#include "common/qt/render_util.h"
#include "stanplan/qt/glyphs.h"

namespace stanplan {

namespace {

constexpr int kHeight = 29;
constexpr QSize kButtonSize(23, 22);
constexpr QSize kExitSize(75, 22);

// The tool buttons that carry the standard edit actions.
std::optional<shell::EditCommand> EditCommandOf(const std::string& name) {
  if (name == "ToolButton3") return shell::EditCommand::kCut;
  if (name == "ToolButton7") return shell::EditCommand::kCopy;
  if (name == "ToolButton8") return shell::EditCommand::kPaste;
  return std::nullopt;
}

}  // namespace

DesignerToolBar::DesignerToolBar(const designer::DesignerForm& form,
                                 const shell::WindowEvents& events, QWidget* parent)
    : QToolBar(parent), form_(form), events_(events) {
  setObjectName("ToolBar1");
  setMovable(false);
  setFloatable(false);
  setFixedHeight(kHeight);
  setIconSize(QSize(shell::kIconSide, shell::kIconSide));
  setContentsMargins(0, 0, 0, 0);
  for (const designer::TToolButton& entry : form_.ToolBar1) {
    if (entry.Separator) {
      AddSeparator(entry);
    } else {
      AddButton(entry);
    }
  }
  exit_ = new QPushButton(this);
  exit_->setObjectName("BitBtn2");
  exit_->setIcon(ImageListIcon(form_.BitBtn2.ImageIndex));
  exit_->setFixedSize(kExitSize);
  exit_->setFocusPolicy(Qt::NoFocus);
  connect(exit_, &QPushButton::clicked, this, [this] { events_.click("BitBtn2"); });
  addWidget(exit_);
  Render();
}

void DesignerToolBar::AddButton(const designer::TToolButton& entry) {
  auto* button = new QToolButton(this);
  button->setObjectName(shell::ToQ(entry.Name));
  button->setIcon(ImageListIcon(entry.ImageIndex));
  button->setFixedSize(kButtonSize);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::NoFocus);  // the edit buttons act on the focused field
  const std::string name = entry.Name;
  connect(button, &QToolButton::clicked, this, [this, name] {
    if (const auto edit = EditCommandOf(name)) {
      shell::ApplyEditCommand(*edit, QApplication::focusWidget());
      events_.changed();
      return;
    }
    events_.click(name);
  });
  addWidget(button);
}

void DesignerToolBar::AddSeparator(const designer::TToolButton& entry) {
  auto* gap = new QFrame(this);
  gap->setObjectName(shell::ToQ(entry.Name));
  gap->setFrameShape(QFrame::VLine);
  gap->setFrameShadow(QFrame::Sunken);
  gap->setFixedSize(entry.Width, kButtonSize.height());
  addWidget(gap);
}

void DesignerToolBar::Render() {
  shell::SetText(exit_, form_.BitBtn2.Caption);
}

}  // namespace stanplan
