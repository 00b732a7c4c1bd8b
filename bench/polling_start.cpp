// Linked into the console's own entry to make a console that starts polling by
// itself: it presses "Пуск RS485" a second after the start and answers OK to
// the two questions, as an operator would.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

constexpr int kPressAfterMs = 1000;
constexpr int kLookEveryMs = 100;

QAbstractButton* StartButton() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* button = top->findChild<QAbstractButton*>(QStringLiteral("BitBtn20"))) return button;
  }
  return nullptr;
}

// The questions are modal boxes with their own event loop: a timer keeps
// answering them while the press is under way.
void AnswerQuestions() {
  auto* answering = new QTimer(qApp);
  QObject::connect(answering, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      box->button(QMessageBox::Ok)->click();
    }
  });
  answering->start(kLookEveryMs);
  QTimer::singleShot(kPressAfterMs, qApp, [answering] {
    if (QAbstractButton* button = StartButton()) button->click();
    answering->deleteLater();  // the press returns once both boxes are answered
  });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(AnswerQuestions)
