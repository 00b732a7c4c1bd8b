#include "stanplan/qt/settings_group.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/qt/grid_view.h"
#include "common/qt/render_util.h"
#include "common/qt/up_down.h"
#include "stanplan/qt/glyphs.h"

namespace stanplan {

namespace {

constexpr int kSpinnerWidth = 15;
constexpr QRect kEdit1(8, 32, 33, 21);
constexpr QRect kEdit2(56, 32, 49, 21);
constexpr QRect kEdit3(120, 32, 41, 21);
constexpr QRect kGrid(8, 56, 169, 289);
constexpr QRect kApply(24, 352, 121, 25);

}  // namespace

SettingsGroup::SettingsGroup(designer::DesignerForm& form, const shell::WindowEvents& events,
                             QWidget* parent)
    : QGroupBox(parent), form_(form), events_(events) {
  setObjectName("GroupBox1");

  // Label3 "№", Label2 "Горизонт", Label1 "Вертикаль", left to right.
  const std::array<std::pair<const designer::TLabel*, int>, 3> labels = {
      {{&form_.Label3, 8}, {&form_.Label2, 56}, {&form_.Label1, 120}}};
  const char* const names[] = {"Label3", "Label2", "Label1"};
  for (std::size_t i = 0; i < labels.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(names[i]);
    label->move(labels[i].second, 16);
    labels_[i] = {labels[i].first, label};
  }

  AddField(1, form_.Edit1, kEdit1);
  AddField(2, form_.Edit2, kEdit2);
  AddField(3, form_.Edit3, kEdit3);

  grid_ = new shell::GridView(form_.StringGrid1, events_.changed, this, shell::CellEditing::kLive);
  grid_->setObjectName("StringGrid1");
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setGeometry(kGrid);

  apply_ = new QPushButton(this);
  apply_->setObjectName("BitBtn1");
  apply_->setIcon(ImageListIcon(form_.BitBtn1.ImageIndex));
  apply_->setGeometry(kApply);
  apply_->setDefault(true);
  connect(apply_, &QPushButton::clicked, this, [this] { events_.click("BitBtn1"); });
  Render();
}

// An edit field with its spinner at its right edge. Enter in the field presses
// the default button.
void SettingsGroup::AddField(int number, designer::TEdit& edit, const QRect& place) {
  auto* line = new QLineEdit(this);
  line->setObjectName(QStringLiteral("Edit%1").arg(number));
  line->setGeometry(place);
  connect(line, &QLineEdit::textEdited, this, [this, &edit](const QString& text) {
    edit.Text = shell::SingleLine(text);
    events_.changed();
  });
  connect(line, &QLineEdit::returnPressed, this, [this] { events_.click("BitBtn1"); });

  auto* spinner = new shell::UpDownButtons(this);
  const std::string name = "UpDown" + std::to_string(number);
  spinner->setObjectName(shell::ToQ(name));
  spinner->setGeometry(place.right() + 1, place.top(), kSpinnerWidth, place.height());
  connect(spinner, &shell::UpDownButtons::stepped, this,
          [this, name](common::SpinButton button) { events_.spin(name, button); });
  fields_[static_cast<std::size_t>(number - 1)] = {&edit, line};
}

void SettingsGroup::Render() {
  shell::SetTitle(this, form_.GroupBox1);
  for (const Caption& caption : labels_) {
    shell::SetText(caption.widget, caption.label->Caption);
    shell::SetTextColor(caption.widget, caption.label->FontColor);
    if (caption.widget->size() != caption.widget->sizeHint()) caption.widget->adjustSize();
  }
  for (const Field& field : fields_) {
    shell::SetText(field.line, field.edit->Text);
    shell::SetTextColor(field.line, field.edit->FontColor);
  }
  grid_->Render();
  shell::SetText(apply_, form_.BitBtn1.Caption);
}

}  // namespace stanplan
