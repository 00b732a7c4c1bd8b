#include "common/timer_bank.h"

#include <algorithm>
#include <utility>

namespace common {
namespace {

// A timer with no positive interval still waits a millisecond, so it cannot spin.
std::int64_t EffectiveInterval(const Timer& timer) {
  return std::max(timer.Interval, 1);
}

}  // namespace

void TimerBank::Add(Timer& timer, Handler handler) {
  entries_.push_back(Entry{&timer, std::move(handler), std::nullopt});
}

void TimerBank::Sync(std::int64_t now_ms) {
  for (Entry& entry : entries_) {
    if (!entry.timer->Enabled) {
      entry.due.reset();
    } else if (!entry.due) {
      entry.due = now_ms + EffectiveInterval(*entry.timer);
    }
  }
}

std::optional<std::int64_t> TimerBank::NextDue() const {
  std::optional<std::int64_t> next;
  for (const Entry& entry : entries_) {
    if (entry.due && (!next || *entry.due < *next)) next = entry.due;
  }
  return next;
}

bool TimerBank::RunDue(std::int64_t now_ms) {
  std::optional<std::size_t> chosen;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const auto& due = entries_[i].due;
    if (due && *due <= now_ms && (!chosen || *due < *entries_[*chosen].due)) chosen = i;
  }
  if (!chosen) return false;
  entries_[*chosen].due.reset();
  // The handler may add timers or run the bank again, so it runs from a copy: nothing
  // inside entries_ is held across the call.
  const Handler handler = entries_[*chosen].handler;
  if (handler) handler();
  return true;
}

void VirtualTime::Advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  for (;;) {
    bank_.Sync(now_);
    const std::optional<std::int64_t> next = bank_.NextDue();
    if (!next || *next > target) break;
    now_ = std::max(now_, *next);
    bank_.RunDue(now_);
    if (after_each_tick) after_each_tick();
  }
  bank_.Sync(now_);
  // A handler may have advanced the clock past the target (a nested Advance); time
  // never goes back.
  now_ = std::max(now_, target);
}

}  // namespace common
