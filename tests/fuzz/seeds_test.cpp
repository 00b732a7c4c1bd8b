// The fuzz entry points over seed inputs and their mutations, in every build, so
// the sanitizer run of the test suite covers them too.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_inputs.h"

namespace {

const std::vector<std::string> kSeeds = {
    std::string("\x02\x55\x02\x80\x10\x00\xE7", 7),
    "\x02\r\nOK\r\n",
    "\x01\r\n+CMTI: \"SM\",3\r\n",
    "\x02\r\n+CMGR: \"REC UNREAD\",\"+79123456707\",,\"26/03/05,14:07:09+12\"\r\n"
    "Obj 7.10000000000000013\r\n\r\nOK\r\n",
    "\x02\r\n+CMGR: 0,,0\r\n\r\nOK\r\n",
    "\x00\r\n> ",
    "\x03\r\nERROR\r\n",
};

TEST(FuzzSeeds, DecodersTakeSeedsAndTheirMutations) {
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    std::string input = kSeeds[round % kSeeds.size()];
    for (int edits = random() % 6; edits > 0 && !input.empty(); --edits) {
      const std::size_t at = random() % input.size();
      switch (random() % 3) {
        case 0: input[at] = static_cast<char>(random()); break;
        case 1: input.erase(at, random() % 8); break;
        default: input.insert(at, std::string(random() % 8, static_cast<char>(random())));
      }
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(input.data());
    fuzz::FeedRs485Answer(data, input.size());
    fuzz::FeedModemAnswer(data, input.size());
    fuzz::FeedSmsReport(data, input.size());
  }
  SUCCEED();
}

}  // namespace
