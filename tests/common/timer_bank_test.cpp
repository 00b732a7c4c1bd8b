#include "common/timer_bank.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace common {
namespace {

class TimerBankTest : public ::testing::Test {
 protected:
  // A handler that logs "<name>@<time>", with "*" for ticks inside a modal run.
  TimerBank::Handler Log(const std::string& name) {
    return [this, name] {
      log_.push_back(name + "@" + std::to_string(time_.Now()) + (depth_ ? "*" : ""));
    };
  }
  // A handler in the usual form: own timer off on entry, a modal box lasting
  // modal_ms (a nested run of the bank), own timer on again as the last step.
  TimerBank::Handler Modal(const std::string& name, Timer& timer, std::int64_t modal_ms) {
    return [this, name, &timer, modal_ms] {
      timer.Enabled = false;
      Log(name)();
      ++depth_;
      time_.Advance(modal_ms);
      --depth_;
      timer.Enabled = true;
    };
  }

  TimerBank bank_;
  VirtualTime time_{bank_};
  std::vector<std::string> log_;
  int depth_ = 0;
};

using Ticks = std::vector<std::string>;

TEST_F(TimerBankTest, FirstTickComesOneIntervalAfterSwitchingOn) {
  Timer a{false, 1000};
  bank_.Add(a, Log("A"));
  time_.Advance(500);
  a.Enabled = true;
  time_.Advance(999);
  EXPECT_EQ(log_, Ticks{});
  time_.Advance(1);
  time_.Advance(2000);
  EXPECT_EQ(log_, (Ticks{"A@1500", "A@2500", "A@3500"}));
}

TEST_F(TimerBankTest, HandlerThatSwitchesItselfOffAndOnTicksEveryInterval) {
  Timer a{true, 1000};
  bank_.Add(a, Modal("A", a, 0));
  time_.Advance(3500);
  EXPECT_EQ(log_, (Ticks{"A@1000", "A@2000", "A@3000"}));
}

TEST_F(TimerBankTest, NextTickComesOneIntervalAfterTheHandlerEnds) {
  Timer a{true, 1000};
  bank_.Add(a, Modal("A", a, 300));
  time_.Advance(4000);
  EXPECT_EQ(log_, (Ticks{"A@1000", "A@2300", "A@3600"}));
}

TEST_F(TimerBankTest, SwitchingOnAnEnabledTimerDoesNotRestartIt) {
  Timer a{true, 1000};
  bank_.Add(a, Log("A"));
  time_.Advance(700);
  a.Enabled = true;
  time_.Advance(300);
  EXPECT_EQ(log_, (Ticks{"A@1000"}));
}

TEST_F(TimerBankTest, SwitchingOffAndOnAcrossASyncRestartsTheInterval) {
  Timer a{true, 1000};
  bank_.Add(a, Log("A"));
  time_.Advance(700);
  a.Enabled = false;
  time_.Advance(0);
  a.Enabled = true;
  time_.Advance(999);
  EXPECT_EQ(log_, Ticks{});
  time_.Advance(1);
  EXPECT_EQ(log_, (Ticks{"A@1700"}));
}

TEST_F(TimerBankTest, SwitchedOffTimerDoesNotFire) {
  Timer a{true, 1000};
  bank_.Add(a, Log("A"));
  time_.Advance(500);
  a.Enabled = false;
  time_.Advance(5000);
  EXPECT_EQ(log_, Ticks{});
  EXPECT_EQ(bank_.NextDue(), std::nullopt);
  EXPECT_FALSE(bank_.RunDue(time_.Now()));
}

TEST_F(TimerBankTest, TwoTimersInterleaveInTimeOrderAndTiesGoByRegistration) {
  Timer a{true, 1000};
  Timer b{true, 2500};
  bank_.Add(a, Log("A"));
  bank_.Add(b, Log("B"));
  time_.Advance(10000);
  EXPECT_EQ(log_, (Ticks{"A@1000", "A@2000", "B@2500", "A@3000", "A@4000", "A@5000", "B@5000",
                         "A@6000", "A@7000", "B@7500", "A@8000", "A@9000", "A@10000", "B@10000"}));
  EXPECT_EQ(time_.Now(), 10000);
}

TEST_F(TimerBankTest, OtherTimersTickDuringAModalBoxButItsOwnDoesNot) {
  Timer a{true, 1000};
  Timer b{true, 300};
  bank_.Add(a, Modal("A", a, 1000));
  bank_.Add(b, Log("B"));
  time_.Advance(2900);
  EXPECT_EQ(log_, (Ticks{"B@300", "B@600", "B@900", "A@1000", "B@1200*", "B@1500*", "B@1800*",
                         "B@2100", "B@2400", "B@2700"}));
  EXPECT_EQ(time_.Now(), 2900);
}

TEST_F(TimerBankTest, NestedRunsThroughTheBankItselfSkipTheRunningTimer) {
  Timer a{true, 1000};
  Timer b{true, 1200};
  std::vector<bool> nested_results;
  bank_.Add(a, [&] {
    a.Enabled = false;
    log_.push_back("A");
    bank_.Sync(1000);
    nested_results.push_back(bank_.RunDue(1500));  // b, due at 1200
    nested_results.push_back(bank_.RunDue(5000));  // nothing: b waits for a Sync
    a.Enabled = true;
  });
  bank_.Add(b, [&] { log_.push_back("B"); });
  bank_.Sync(0);
  EXPECT_EQ(bank_.NextDue(), 1000);
  EXPECT_TRUE(bank_.RunDue(1000));
  EXPECT_EQ(log_, (Ticks{"A", "B"}));
  EXPECT_EQ(nested_results, (std::vector<bool>{true, false}));
  bank_.Sync(1600);
  EXPECT_EQ(bank_.NextDue(), 2600);
}

TEST_F(TimerBankTest, RunDueRunsOnlyWhatIsDue) {
  Timer a{true, 1000};
  bank_.Add(a, Log("A"));
  EXPECT_EQ(bank_.NextDue(), std::nullopt);  // not synced yet
  bank_.Sync(0);
  EXPECT_FALSE(bank_.RunDue(999));
  EXPECT_TRUE(bank_.RunDue(1000));
  EXPECT_FALSE(bank_.RunDue(1000));
}

TEST_F(TimerBankTest, IntervalsBelowOneMillisecondCannotSpin) {
  Timer zero{true, 0};
  Timer negative{true, -50};
  bank_.Add(zero, Log("Z"));
  bank_.Add(negative, Log("N"));
  time_.Advance(2);
  EXPECT_EQ(log_, (Ticks{"Z@1", "N@1", "Z@2", "N@2"}));
}

TEST_F(TimerBankTest, HandlerMayAddTimers) {
  // Enough timers to move the bank's storage while the handler runs. The handler
  // captures one reference only, so it is small enough to live inside that storage and
  // keeps using its capture after the Add calls.
  struct Scene {
    TimerBank& bank;
    Timer a{true, 100};
    std::array<Timer, 64> added{};
    int added_ticks = 0;
    int a_ticks = 0;
  } s{bank_};
  bank_.Add(s.a, [&s] {
    for (Timer& t : s.added) {
      t = Timer{true, 50};
      s.bank.Add(t, [&s] { ++s.added_ticks; });
    }
    s.a.Enabled = false;
    ++s.a_ticks;
  });
  time_.Advance(160);
  EXPECT_EQ(s.a_ticks, 1);
  EXPECT_EQ(s.added_ticks, 64);
  EXPECT_EQ(bank_.NextDue(), 200);
}

}  // namespace
}  // namespace common
