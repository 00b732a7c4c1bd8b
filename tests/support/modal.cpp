#include "tests/support/modal.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace testing_support {

void WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& look) {
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog == nullptr || !dialog->isVisible()) return;
    poll.stop();
    look(*dialog);
  });
  poll.start(10);
  open();
}

}  // namespace testing_support
