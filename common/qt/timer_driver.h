// Runs a timer bank on the Qt event loop: one single-shot QTimer, always armed for
// the bank's earliest due time.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "common/timer_bank.h"

namespace shell {

class TimerDriver : public QObject {
  Q_OBJECT

 public:
  // render runs after every tick and every Refresh.
  TimerDriver(common::TimerBank& bank, std::function<void()> render, QObject* parent = nullptr);

  // The timers run from now on.
  void Start();
  // After every user event: picks up timers switched on or off, re-arms, renders.
  void Refresh();

 private:
  void OnTimeout();
  void OnAboutToBlock();
  void SyncAndArm();

  common::TimerBank& bank_;
  std::function<void()> render_;
  QTimer timer_;
  QElapsedTimer clock_;
  bool started_ = false;
  int handlers_running_ = 0;               // more than one while a handler's box runs another
  std::optional<std::int64_t> armed_for_;  // the due time timer_ was last started for
};

}  // namespace shell
