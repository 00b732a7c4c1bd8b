#include "common/qt/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

namespace shell {

UpDownButtons::UpDownButtons(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const auto& [arrow, spin, name] :
       {std::tuple{Qt::UpArrow, common::SpinButton::kUp, "Up"},
        std::tuple{Qt::DownArrow, common::SpinButton::kDown, "Down"}}) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, [this, b = spin] { emit stepped(b); });
    layout->addWidget(button);
  }
}

}  // namespace shell
