// The net for timing faults of the modem dialogue, on a fixed set of seeds, each
// a test of its own so that they run side by side. A longer run by hand:
// build/test/tests/stanmon/modem_net --runs 1000 (see the README).
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/stanmon/modem_net.h"

namespace {

class ModemNet : public testing::TestWithParam<std::uint64_t> {};

TEST_P(ModemNet, FieldTrafficOnAMisbehavingModemLosesNothing) {
  const std::uint64_t seed = GetParam();
  const testing_support::NetOutcome outcome = testing_support::RunFieldDay(seed, 12);
  EXPECT_TRUE(outcome.faults.empty()) << testing_support::Describe(seed, outcome);
  EXPECT_GT(outcome.reports, 100) << "seed " << seed;
  EXPECT_GT(outcome.sms, 100) << "seed " << seed;
}

INSTANTIATE_TEST_SUITE_P(Seeds, ModemNet, testing::Range<std::uint64_t>(1, 9));

}  // namespace
