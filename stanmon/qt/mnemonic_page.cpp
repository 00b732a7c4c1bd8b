#include "stanmon/qt/mnemonic_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionButton>

#include "common/qt/color.h"
#include "common/qt/render_util.h"
#include "stanmon/qt/glyphs.h"
#include "stanmon/qt/shape_widget.h"

namespace stanmon {

namespace {

constexpr int kPanelLeftStep = 192;
constexpr int kPanelTopStep = 88;
constexpr int kPanelsTop = 64;
constexpr int kShapeSide = 17;
constexpr int kShapeStep = 16;

// Where indicator s (1..16) sits in its channel panel.
QPoint ShapePlace(int s) {
  if (s <= 8) return {8 + kShapeStep * (s - 1), 16};
  if (s <= 11) return {8 + kShapeStep * (s - 9), 32};
  if (s == 12) return {8, 56};
  return {72 + kShapeStep * (s - 13), 32};
}

QString Numbered(const char* kind, int number) {
  return QString::fromLatin1(kind) + QString::number(number);
}

// The form's 33 pixels leave Fusion's indicator and label spacing no room for
// "P2": an output box puts its label closer to its indicator, and outlines the
// indicator as on a plain box, whatever the colours of the box and of its
// channel's frame. A style sheet could do the same at a cost of some 14 kB of
// style rules for every box.
class OutputBoxStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_CheckBoxLabelSpacing) return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    const auto* box = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != PE_IndicatorCheckBox || box == nullptr || widget == nullptr) {
      QProxyStyle::drawPrimitive(element, option, painter, widget);
      return;
    }
    QStyleOptionButton own = *box;
    own.palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
    QProxyStyle::drawPrimitive(element, &own, painter, widget);
  }
};

}  // namespace

MnemonicPage::MnemonicPage(monitor::ConsoleForm& form, const shell::WindowEvents& events,
                           QWidget* parent)
    : QWidget(parent), form_(form), events_(events) {
  output_box_style_ = new OutputBoxStyle;
  output_box_style_->setParent(this);
  AddControlStrip();
  for (int c = 1; c <= monitor::kChannels; ++c) AddChannel(c);
  Render();
}

void MnemonicPage::AddControlStrip() {
  auto* strip = new QGroupBox(this);
  strip->setObjectName("GroupBox22");
  strip->setGeometry(0, 0, 761, 57);
  const auto add_button = [&](int number, QRect place) {
    auto* button = new QPushButton(strip);
    const QString name = Numbered("BitBtn", number);
    button->setObjectName(name);
    button->setGeometry(place);
    connect(button, &QPushButton::clicked, this,
            [this, name] { events_.click(name.toStdString()); });
    buttons_[static_cast<size_t>(number)] = button;
  };
  add_button(21, {8, 16, 113, 30});
  add_button(20, {127, 16, 113, 30});

  operator_ = new QComboBox(strip);
  operator_->setObjectName("ComboBox1");
  operator_->setEditable(true);
  operator_->setInsertPolicy(QComboBox::NoInsert);
  operator_->setGeometry(262, 19, 217, 25);
  connect(operator_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.ComboBox1.Text = shell::FromQ(text);
    events_.changed();
  });
  connect(operator_, &QComboBox::activated, this, [this](int index) {
    form_.ComboBox1.Text = shell::FromQ(operator_->itemText(index));
    events_.click("ComboBox1");
  });

  add_button(22, {616, 16, 137, 30});
}

void MnemonicPage::AddChannel(int c) {
  auto* panel = new QGroupBox(this);
  panel->setObjectName(Numbered("GroupBox", c));
  panel->setGeometry(kPanelLeftStep * ((c - 1) % 4), kPanelsTop + kPanelTopStep * ((c - 1) / 4),
                     185, 89);
  panel->setAutoFillBackground(true);
  channels_[c] = panel;

  for (int s = 1; s <= 16; ++s) {
    const int row = monitor::SignalRow(c, s);
    auto* shape = new ShapeWidget(panel);
    shape->setObjectName(Numbered("Shape", row));
    shape->setGeometry(QRect(ShapePlace(s), QSize(kShapeSide, kShapeSide)));
    shapes_[row] = shape;
  }

  auto* plan = new QPushButton(panel);
  const QString name = Numbered("BitBtn", c);
  plan->setObjectName(name);
  plan->setGeometry(144, 56, 33, 25);
  plan->setIcon(GlyphIcon(Glyph::kChannelPlan));
  connect(plan, &QPushButton::clicked, this, [this, name] { events_.click(name.toStdString()); });
  buttons_[static_cast<size_t>(c)] = plan;

  AddOutputBox(panel, monitor::OutputBoxP1(c), 16);
  AddOutputBox(panel, monitor::OutputBoxP2(c), 32);
}

QCheckBox* MnemonicPage::AddOutputBox(QGroupBox* panel, int number, int top) {
  auto* box = new QCheckBox(panel);
  const QString name = Numbered("CheckBox", number);
  box->setObjectName(name);
  box->setGeometry(144, top, 33, 17);
  box->setAutoFillBackground(true);
  box->setStyle(output_box_style_);
  connect(box, &QCheckBox::clicked, this, [this, number, name](bool checked) {
    form_.CheckBox[static_cast<size_t>(number)].Checked = checked;
    events_.click(name.toStdString());
  });
  outputs_[static_cast<size_t>(number)] = box;
  return box;
}

void MnemonicPage::Render() {
  const QPalette& colors = palette();
  for (int number : {20, 21, 22}) {
    QPushButton* button = buttons_[static_cast<size_t>(number)];
    shell::SetText(button, form_.BitBtn[static_cast<size_t>(number)].Caption);
    shell::SetToolTip(button, form_.BitBtn[static_cast<size_t>(number)].Hint);
  }
  shell::SetItems(operator_, form_.ComboBox1.Items);
  shell::SetEditText(operator_, form_.ComboBox1.Text);
  shell::SetToolTip(operator_, form_.ComboBox1.Hint);
  shell::SetBold(operator_, form_.ComboBox1.Bold);

  for (int c = 1; c <= monitor::kChannels; ++c) {
    const monitor::TGroupBox& panel = form_.GroupBox[static_cast<size_t>(c)];
    QGroupBox* box = channels_[c];
    shell::SetTitle(box, panel.Caption);
    shell::SetBackground(box, shell::ToQColor(panel.Background, colors));
    shell::SetToolTip(buttons_[static_cast<size_t>(c)], form_.BitBtn[static_cast<size_t>(c)].Hint);
    for (int s = 1; s <= 16; ++s) {
      const int row = monitor::SignalRow(c, s);
      shapes_[row]->SetFill(shell::ToQColor(form_.Shape[row].Brush, colors));
    }
    for (int number : {monitor::OutputBoxP1(c), monitor::OutputBoxP2(c)}) {
      const monitor::TCheckBox& shown = form_.CheckBox[static_cast<size_t>(number)];
      QCheckBox* box_widget = outputs_[static_cast<size_t>(number)];
      shell::SetText(box_widget, shown.Caption);
      shell::SetChecked(box_widget, shown.Checked);
      shell::SetBackground(box_widget, shell::ToQColor(shown.Background, colors));
    }
  }
}

}  // namespace stanmon
