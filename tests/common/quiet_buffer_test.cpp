// The bytes of a line held back until it falls quiet, and the silence after them.
#include "common/quiet_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

struct QuietStep {
  enum Kind { kAppend, kTake, kKeepNewest, kSilent } kind;
  std::int64_t now_ms;
  std::string bytes;    // appended, or expected from Take
  std::size_t max = 0;  // Take and KeepNewest; for kSilent, the silence expected
};

struct QuietCase {
  const char* name;
  std::vector<QuietStep> steps;
};

void PrintTo(const QuietCase& c, std::ostream* os) {
  *os << c.name;
}

class QuietBufferTest : public testing::TestWithParam<QuietCase> {};

TEST_P(QuietBufferTest, DeliversInOrderOnlyWhenQuietOrFull) {
  common::QuietBuffer buffer;
  buffer.quiet_ms = 5;
  for (const QuietStep& step : GetParam().steps) {
    if (step.kind == QuietStep::kAppend) {
      const Bytes bytes = ToBytes(step.bytes);
      buffer.Append(bytes.data(), bytes.size(), step.now_ms);
      continue;
    }
    if (step.kind == QuietStep::kSilent) {
      EXPECT_EQ(buffer.SilentMs(step.now_ms), static_cast<std::int64_t>(step.max))
          << "silence at " << step.now_ms << " ms";
      continue;
    }
    if (step.kind == QuietStep::kKeepNewest) {
      buffer.KeepNewest(step.max);
      continue;
    }
    Bytes into(step.max + 1, '#');
    const std::size_t count = buffer.Take(into.data(), step.max, step.now_ms);
    EXPECT_EQ(std::string(into.begin(), into.begin() + count), step.bytes)
        << "take at " << step.now_ms << " ms, max " << step.max;
    EXPECT_EQ(into[count], '#') << "wrote past the count";
  }
}

using S = QuietStep;
INSTANTIATE_TEST_SUITE_P(
    Cases, QuietBufferTest,
    testing::Values(QuietCase{"HeldUntilQuiet",
                              {{S::kAppend, 100, "OK\r\n"},
                               {S::kTake, 104, "", 64},
                               {S::kTake, 105, "OK\r\n", 64},
                               {S::kTake, 200, "", 64}}},
                    QuietCase{"LaterChunkRestartsTheWait",
                              {{S::kAppend, 0, "+CSQ"},
                               {S::kAppend, 3, ": 17"},
                               {S::kTake, 6, "", 64},
                               {S::kAppend, 6, "\r\n"},
                               {S::kTake, 10, "", 64},
                               {S::kTake, 11, "+CSQ: 17\r\n", 64}}},
                    QuietCase{"CutAtMaxRestKept",
                              {{S::kAppend, 0, "abcdefghij"},
                               {S::kTake, 9, "abcd", 4},
                               {S::kTake, 9, "efgh", 4},
                               {S::kTake, 9, "ij", 4},
                               {S::kTake, 9, "", 4}}},
                    QuietCase{"FullBufferGoesWithoutQuiet",
                              {{S::kAppend, 0, "abcdefghij"},
                               {S::kTake, 1, "abcd", 4},
                               {S::kTake, 1, "efgh", 4},
                               {S::kTake, 1, "", 4},
                               {S::kTake, 5, "ij", 4}}},
                    QuietCase{"RestWaitsAgainWhenMoreArrives",
                              {{S::kAppend, 0, "abcdef"},
                               {S::kTake, 5, "abcd", 4},
                               {S::kAppend, 6, "g"},
                               {S::kTake, 7, "", 4},
                               {S::kTake, 11, "efg", 4}}},
                    QuietCase{"KeepNewestDropsTheOldest",
                              {{S::kAppend, 0, "noise"},
                               {S::kAppend, 1, "abcd"},
                               {S::kKeepNewest, 1, "", 4},
                               {S::kTake, 9, "abcd", 8},
                               {S::kAppend, 10, "ef"},
                               {S::kKeepNewest, 10, "", 4},
                               {S::kTake, 20, "ef", 8}}},
                    QuietCase{"SilenceCountsOnceEverythingIsTaken",
                              {{S::kAppend, 100, "\r\n> "},
                               {S::kSilent, 130, "", 0},
                               {S::kTake, 130, "\r\n> ", 64},
                               {S::kSilent, 130, "", 30},
                               {S::kSilent, 400, "", 300}}},
                    QuietCase{
                        "ZeroMaxTakesNothing",
                        {{S::kAppend, 0, "ab"}, {S::kTake, 50, "", 0}, {S::kTake, 50, "ab", 8}}}),
    [](const testing::TestParamInfo<QuietCase>& info) { return std::string(info.param.name); });

}  // namespace
