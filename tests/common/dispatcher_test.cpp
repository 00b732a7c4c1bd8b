#include "common/dispatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/platform_error.h"
#include "tests/support/common_fakes.h"

namespace common {
namespace {

// A program with a few handlers that record what ran.
struct Program : Dispatcher {
  explicit Program(Dialogs& dialogs)
      : Dispatcher(
            dialogs, "PROGRAM", [this] { log.push_back("before"); },
            [this] { log.push_back("after"); }) {
    AddClick("Good", [this] { log.push_back("Good"); });
    AddClick("Bad", [] { throw PlatformError("File not found"); });
    AddSpin("UpDown1",
            [this](SpinButton b) { log.push_back(b == SpinButton::kUp ? "up" : "down"); });
    AddTimer(timer, [this] {
      timer.Enabled = false;
      throw PlatformError("'x' is not a valid integer value");
    });
  }
  Timer timer{true, 100};
  std::vector<std::string> log;
};

TEST(Dispatcher, RoutesByNameAndShowsAnErrorThatEndsAHandler) {
  testing_support::ScriptedDialogs dialogs;
  Program program(dialogs);
  EXPECT_TRUE(program.Click("Good"));
  EXPECT_TRUE(program.Click("Bad"));
  EXPECT_TRUE(program.Spin("UpDown1", SpinButton::kDown));
  EXPECT_FALSE(program.Click("Missing"));
  EXPECT_FALSE(program.Spin("Good", SpinButton::kUp));
  EXPECT_EQ(program.log, (std::vector<std::string>{"before", "Good", "after", "before", "after",
                                                   "before", "down", "after"}));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "File not found.");
  EXPECT_EQ(dialogs.boxes[0].caption, "Program");
  EXPECT_EQ(dialogs.boxes[0].icon, BoxIcon::Error);
}

// A timer whose tick an error ended stays stopped: its error is shown once.
TEST(Dispatcher, ATimerWhoseTickFailedStaysStopped) {
  testing_support::ScriptedDialogs dialogs;
  Program program(dialogs);
  VirtualTime time{program.timers()};
  program.timers().Sync(time.Now());
  time.Advance(1000);
  EXPECT_FALSE(program.timer.Enabled);
  ASSERT_EQ(dialogs.OfKind("inform").size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text, "'x' is not a valid integer value.");
}

}  // namespace
}  // namespace common
