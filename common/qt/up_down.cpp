#include "common/qt/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

namespace shell {

UpDownButtons::UpDownButtons(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const auto& [arrow, delta, name] :
       {std::tuple{Qt::UpArrow, 1, "Up"}, std::tuple{Qt::DownArrow, -1, "Down"}}) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, [this, d = delta] { emit stepped(d); });
    layout->addWidget(button);
  }
}

}  // namespace shell
