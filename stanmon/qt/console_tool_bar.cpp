#include "stanmon/qt/console_tool_bar.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <optional>

#include "common/qt/color.h"
#include "common/qt/drawn_icon.h"
#include "common/qt/edit_commands.h"
#include "common/qt/picture_box.h"
#include "common/qt/render_util.h"
#include "common/qt/up_down.h"
#include "stanmon/qt/date_picker.h"
#include "stanmon/qt/glyphs.h"
#include "stanmon/qt/pictures.h"
#include "stanmon/qt/pie_gauge.h"

namespace stanmon {

namespace {

constexpr int kPanelHeight = 30;
constexpr int kControlTop = 3;
constexpr int kControlHeight = 24;

struct LampPlace {
  int image;
  int left;
  QRgb color;
};

// Image18, the modem-not-ready lamp, has no role in the core: it is only shown.
constexpr LampPlace kLamps[] = {
    {monitor::kModemAnsweredLamp, 2, qRgb(20, 190, 40)},
    {monitor::kJobLamp, 19, qRgb(250, 200, 0)},
    {18, 36, qRgb(220, 30, 30)},
    {monitor::kPollLamp, 53, qRgb(40, 110, 240)},
};

QString ControlName(const char* kind, int number) {
  return QString::fromLatin1(kind) + QString::number(number);
}

}  // namespace

ConsoleToolBar::ConsoleToolBar(monitor::ConsoleForm& form, const shell::WindowEvents& events,
                               QWidget* parent)
    : QToolBar(parent), form_(form), events_(events) {
  setObjectName("ToolBar1");
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(shell::kIconSide, shell::kIconSide));
  AddToolButtons();
  AddPanel();
  Render();
}

void ConsoleToolBar::AddToolButtons() {
  struct Tool {
    int number;
    Glyph glyph;
    std::optional<shell::EditCommand> edit;
    bool separator_after;
  };
  const Tool tools[] = {
      {9, Glyph::kOpenArchive, std::nullopt, false},
      {7, Glyph::kSave, std::nullopt, false},
      {14, Glyph::kPreview, std::nullopt, true},
      {10, Glyph::kSirenOff, std::nullopt, true},
      {13, Glyph::kCut, shell::EditCommand::kCut, false},
      {11, Glyph::kCopy, shell::EditCommand::kCopy, false},
      {12, Glyph::kPaste, shell::EditCommand::kPaste, true},
  };
  for (const Tool& tool : tools) {
    auto* button = new QToolButton(this);
    const QString name = ControlName("ToolButton", tool.number);
    button->setObjectName(name);
    button->setIcon(GlyphIcon(tool.glyph));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);  // the edit buttons act on the focused control
    connect(button, &QToolButton::clicked, this, [this, tool, name] {
      if (tool.edit) shell::ApplyEditCommand(*tool.edit, QApplication::focusWidget());
      events_.click(name.toStdString());
    });
    addWidget(button);
    if (tool.separator_after) addSeparator();
    tool_buttons_[tool.number] = button;
  }
}

void ConsoleToolBar::AddPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel1");
  panel->setFixedSize(590, kPanelHeight);

  for (const LampPlace& place : kLamps) {
    auto* lamp = new shell::PictureBox(panel);
    lamp->setObjectName(ControlName("Image", place.image));
    lamp->setGeometry(place.left, (kPanelHeight - kLampSide) / 2, kLampSide, kLampSide);
    lamps_[place.image] = {lamp, LampPicture(QColor(place.color))};
  }

  date_ = new DatePicker(panel);
  date_->setObjectName("DateTimePicker1");
  date_->setGeometry(72, kControlTop, 142, kControlHeight);
  connect(date_, &QDateEdit::dateChanged, this, [this](QDate date) {
    common::DateTime& shown = form_.DateTimePicker1.DateTime;
    if (QDate(shown.year, shown.month, shown.day) == date) return;
    shown.year = date.year();
    shown.month = date.month();
    shown.day = date.day();
    events_.changed();
  });

  auto* pause_panel = new QFrame(panel);
  pause_panel->setObjectName("Panel2");
  pause_panel->setGeometry(217, kControlTop, 50, kControlHeight);
  pause_ = new QLineEdit(pause_panel);
  pause_->setObjectName("Edit20");
  pause_->setGeometry(0, 0, 34, kControlHeight);
  connect(pause_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.Edit20.Text = shell::FromQ(text);
    events_.changed();
  });
  auto* spinner = new shell::UpDownButtons(pause_panel);
  spinner->setObjectName("UpDown1");
  spinner->setGeometry(34, 0, 16, kControlHeight);
  connect(spinner, &shell::UpDownButtons::stepped, this,
          [this](common::SpinButton button) { events_.spin("UpDown1", button); });

  cancel_sms_ = new QPushButton(panel);
  cancel_sms_->setObjectName("BitBtn17");
  cancel_sms_->setGeometry(271, kControlTop, 96, kControlHeight);
  connect(cancel_sms_, &QPushButton::clicked, this, [this] { events_.click("BitBtn17"); });

  gauge_ = new PieGauge(panel);
  gauge_->setObjectName("Gauge1");
  gauge_->setGeometry(371, 1, 28, 28);

  inbox_ = new QComboBox(panel);
  inbox_->setObjectName("ComboBox2");
  inbox_->setEditable(true);
  inbox_->setInsertPolicy(QComboBox::NoInsert);
  inbox_->setGeometry(403, kControlTop, 112, kControlHeight);
  connect(inbox_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.ComboBox2.Text = shell::FromQ(text);
    events_.changed();
  });
  connect(inbox_, &QComboBox::activated, this, [this](int index) {
    form_.ComboBox2.Text = shell::FromQ(inbox_->itemText(index));
    events_.click("ComboBox2");
  });

  exit_ = new QPushButton(panel);
  exit_->setObjectName("BitBtn18");
  exit_->setIcon(GlyphIcon(Glyph::kExit));
  exit_->setGeometry(519, kControlTop, 70, kControlHeight);
  connect(exit_, &QPushButton::clicked, this, [this] { events_.click("BitBtn18"); });

  addWidget(panel);
}

void ConsoleToolBar::Render() {
  for (const auto& [number, button] : tool_buttons_) {
    shell::SetToolTip(button, form_.ToolButton[static_cast<size_t>(number)].Hint);
  }
  for (const LampPlace& place : kLamps) {
    const monitor::TImage& image = form_.Image[static_cast<size_t>(place.image)];
    const Lamp& lamp = lamps_[place.image];
    shell::RenderImageControl(lamp.box, image, lamp.picture);
  }
  const common::DateTime& shown = form_.DateTimePicker1.DateTime;
  const QDate date(shown.year, shown.month, shown.day);
  if (date_->date() != date) date_->setDate(date);
  shell::SetToolTip(date_, form_.DateTimePicker1.Hint);
  shell::SetText(pause_, form_.Edit20.Text);
  shell::SetToolTip(pause_, form_.Edit20.Hint);
  shell::SetBold(pause_, form_.Edit20.Bold);
  shell::SetText(cancel_sms_, form_.BitBtn[17].Caption);
  shell::SetToolTip(cancel_sms_, form_.BitBtn[17].Hint);
  gauge_->SetProgress(form_.Gauge1.Progress);
  gauge_->SetColor(shell::ToQColor(form_.Gauge1.ForeColor, palette()));
  shell::SetItems(inbox_, form_.ComboBox2.Items);
  shell::SetEditText(inbox_, form_.ComboBox2.Text);
  shell::SetToolTip(inbox_, form_.ComboBox2.Hint);
  shell::SetBold(inbox_, form_.ComboBox2.Bold);
  shell::SetText(exit_, form_.BitBtn[18].Caption);
  shell::SetToolTip(exit_, form_.BitBtn[18].Hint);
}

}  // namespace stanmon
