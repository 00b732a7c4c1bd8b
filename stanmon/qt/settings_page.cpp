#include "stanmon/qt/settings_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "common/qt/grid_view.h"
#include "common/qt/render_util.h"
#include "stanmon/qt/media_player_panel.h"

namespace stanmon {

namespace {

// Inside a group box: below its caption, a margin from its frame.
QRect Inside(const QRect& box, int top = 18) {
  return QRect(6, top, box.width() - 12, box.height() - top - 6);
}

constexpr QRect kSignalsBox(0, 0, 380, 458);
constexpr QRect kObjectsBox(386, 0, 400, 220);
constexpr QRect kOperatorList(386, 226, 265, 172);
constexpr QRect kPriceBox(657, 226, 129, 52);
constexpr QRect kSirenBox(657, 284, 129, 114);
constexpr QRect kPhonesBox(386, 404, 400, 54);

}  // namespace

SettingsPage::SettingsPage(monitor::ConsoleForm& form, const shell::WindowEvents& events,
                           QWidget* parent)
    : QWidget(parent), form_(form), events_(events) {
  signals_box_ = AddBox("GroupBox", 17, kSignalsBox);
  signal_table_ = new shell::GridView(form_.StringGrid1, events_.changed, signals_box_);
  signal_table_->setObjectName("StringGrid1");
  signal_table_->setGeometry(Inside(kSignalsBox));

  objects_box_ = AddBox("GroupBox", 20, kObjectsBox);
  object_table_ = new shell::GridView(form_.StringGrid3, events_.changed, objects_box_);
  object_table_->setObjectName("StringGrid3");
  object_table_->setGeometry(Inside(kObjectsBox));

  operator_list_ = new shell::GridView(form_.StringGrid4, events_.changed, this);
  operator_list_->setObjectName("StringGrid4");
  operator_list_->setGeometry(kOperatorList);

  price_box_ = AddBox("GroupBox", 18, kPriceBox);
  price_ = AddEdit(price_box_, "Edit1", form_.Edit1, Inside(kPriceBox, 20));

  siren_box_ = AddBox("GroupBox", 19, kSirenBox);
  siren_ = new QCheckBox(siren_box_);
  siren_->setObjectName("CheckBox17");
  siren_->setGeometry(8, 22, kSirenBox.width() - 16, 20);
  connect(siren_, &QCheckBox::clicked, this, [this](bool checked) {
    form_.CheckBox[17].Checked = checked;
    events_.click("CheckBox17");
  });
  auto* player =
      new MediaPlayerPanel(siren_box_, [this](const std::string& name) { events_.click(name); });
  player->setObjectName("MediaPlayer1");
  player->setGeometry(8, 52, kSirenBox.width() - 16, 26);

  phones_box_ = AddBox("GroupBox", 24, kPhonesBox);
  const int half = (kPhonesBox.width() - 18) / 2;
  phone1_ = AddEdit(phones_box_, "Edit2", form_.Edit2, QRect(6, 20, half, 24));
  phone2_ = AddEdit(phones_box_, "Edit19", form_.Edit19, QRect(12 + half, 20, half, 24));
  Render();
}

QGroupBox* SettingsPage::AddBox(const char* name, int number, const QRect& place) {
  auto* box = new QGroupBox(this);
  box->setObjectName(QString::fromLatin1(name) + QString::number(number));
  box->setGeometry(place);
  return box;
}

QLineEdit* SettingsPage::AddEdit(QWidget* parent, const char* name, monitor::TEdit& edit,
                                 const QRect& place) {
  auto* line = new QLineEdit(parent);
  line->setObjectName(name);
  line->setGeometry(place);
  connect(line, &QLineEdit::textEdited, this, [this, &edit](const QString& text) {
    edit.Text = shell::FromQ(text);
    events_.changed();
  });
  return line;
}

void SettingsPage::Render() {
  shell::SetTitle(signals_box_, form_.GroupBox[17].Caption);
  shell::SetTitle(price_box_, form_.GroupBox[18].Caption);
  shell::SetTitle(siren_box_, form_.GroupBox[19].Caption);
  shell::SetTitle(objects_box_, form_.GroupBox[20].Caption);
  shell::SetTitle(phones_box_, form_.GroupBox[24].Caption);
  signal_table_->Render();
  object_table_->Render();
  operator_list_->Render();
  for (const auto& [line, edit] :
       {std::pair{price_, &form_.Edit1}, std::pair{phone1_, &form_.Edit2},
        std::pair{phone2_, &form_.Edit19}}) {
    shell::SetText(line, edit->Text);
    shell::SetToolTip(line, edit->Hint);
    shell::SetBold(line, edit->Bold);
  }
  shell::SetText(siren_, form_.CheckBox[17].Caption);
  shell::SetChecked(siren_, form_.CheckBox[17].Checked);
}

}  // namespace stanmon
