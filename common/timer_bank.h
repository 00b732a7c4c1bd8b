// Periodic timers as data. A timer gets its due time when it goes from off to on
// (now + its interval); switching on a timer that is already on changes nothing.
// A handler switches its own timer off on entry and on again as its last step, so
// the next tick comes one interval after the end of the last. The bank is
// re-entrant: a handler may run a nested event loop (a modal box) during which
// other timers tick; its own timer is off meanwhile and does not.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace common {

// One timer of a form: what the form's designer set and the handlers switch.
struct Timer {
  bool Enabled = false;
  int Interval = 1000;  // milliseconds

  friend bool operator==(const Timer&, const Timer&) = default;
};

class TimerBank {
 public:
  using Handler = std::function<void()>;

  // Registers a timer; the bank keeps a reference, the timer must outlive it.
  void Add(Timer& timer, Handler handler);

  // Gives a due time to every timer switched on since the last call and drops
  // the due time of every timer switched off. Call after every event.
  void Sync(std::int64_t now_ms);

  // The earliest due time, or nothing when no timer is on.
  std::optional<std::int64_t> NextDue() const;

  // Runs the handler of the earliest timer due at or before now_ms (its due time is
  // dropped first, so a timer left on by its handler is due again one interval
  // after now_ms, at the next Sync). Returns false when none is due.
  bool RunDue(std::int64_t now_ms);

 private:
  struct Entry {
    Timer* timer;
    Handler handler;
    std::optional<std::int64_t> due;
  };
  std::vector<Entry> entries_;
};

// Drives a bank through virtual time, for tests: every tick due on the way runs
// in order, at its own time.
class VirtualTime {
 public:
  explicit VirtualTime(TimerBank& bank, std::int64_t start_ms = 0) : bank_(bank), now_(start_ms) {}

  std::int64_t Now() const { return now_; }
  // Advances the clock by ms, running every tick that falls due on the way.
  void Advance(std::int64_t ms);

  // Runs after every tick, for a test that watches what each one did.
  std::function<void()> after_each_tick;

 private:
  TimerBank& bank_;
  std::int64_t now_;
};

}  // namespace common
