#include "common/qt/timer_driver.h"

#include <algorithm>

namespace shell {

TimerDriver::TimerDriver(common::TimerBank& bank, std::function<void()> render, QObject* parent)
    : QObject(parent), bank_(bank), render_(std::move(render)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire early and waste a wake-up
  connect(&timer_, &QTimer::timeout, this, &TimerDriver::OnTimeout);
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

// The QTimer is armed at once before the handler runs: should the handler open a
// modal box, the box's event loop comes straight back here and the other timers
// keep ticking. The running handler has switched its own timer off, so the Sync
// in that nested call leaves it without a due time. Nothing of this call is held
// across the handler.
void TimerDriver::OnTimeout() {
  const qint64 now = clock_.elapsed();
  timer_.start(0);
  bank_.RunDue(now);
  SyncAndArm();
  render_();
}

void TimerDriver::SyncAndArm() {
  const qint64 now = clock_.elapsed();
  bank_.Sync(now);
  const std::optional<std::int64_t> due = bank_.NextDue();
  if (!started_ || !due) {
    timer_.stop();
    return;
  }
  timer_.start(static_cast<int>(std::max<std::int64_t>(0, *due - now)));
}

}  // namespace shell
