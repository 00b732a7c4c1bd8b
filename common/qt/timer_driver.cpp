#include "common/qt/timer_driver.h"

#include <QAbstractEventDispatcher>
#include <algorithm>

namespace shell {

TimerDriver::TimerDriver(common::TimerBank& bank, std::function<void()> render, QObject* parent)
    : QObject(parent), bank_(bank), render_(std::move(render)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire early and waste a wake-up
  connect(&timer_, &QTimer::timeout, this, &TimerDriver::OnTimeout);
  connect(QAbstractEventDispatcher::instance(thread()), &QAbstractEventDispatcher::aboutToBlock,
          this, &TimerDriver::OnAboutToBlock);
  clock_.start();
}

void TimerDriver::Start() {
  started_ = true;
  Refresh();
}

void TimerDriver::Refresh() {
  SyncAndArm();
  render_();
}

// The QTimer is armed once per tick, after the handler, when the bank knows its
// next due time. Nothing of this call is held across the handler.
void TimerDriver::OnTimeout() {
  const qint64 now = clock_.elapsed();
  ++handlers_running_;
  bank_.RunDue(now);
  --handlers_running_;
  SyncAndArm();
  render_();
}

// A handler that opens a modal box waits in the box's event loop: the QTimer is
// armed as that loop goes to sleep, so the other timers keep ticking meanwhile.
// The running handler has switched its own timer off, so the Sync leaves it
// without a due time.
void TimerDriver::OnAboutToBlock() {
  if (handlers_running_ > 0 && !timer_.isActive()) SyncAndArm();
}

void TimerDriver::SyncAndArm() {
  const qint64 now = clock_.elapsed();
  bank_.Sync(now);
  const std::optional<std::int64_t> due = started_ ? bank_.NextDue() : std::nullopt;
  if (!due) {
    timer_.stop();
    return;
  }
  if (timer_.isActive() && armed_for_ == due) return;  // starting again costs a registration
  armed_for_ = due;
  timer_.start(static_cast<int>(std::max<std::int64_t>(0, *due - now)));
}

}  // namespace shell
