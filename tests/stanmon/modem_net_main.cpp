// Runs the modem net over many seeds, in parallel, and prints each failing seed
// with its faults and the end of its modem dialogue.
//
//   modem_net [--first SEED] [--runs N] [--hours H] [--jobs J]
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/stanmon/modem_net.h"

int main(int argc, char** argv) {
  std::uint64_t first = 1;
  std::uint64_t runs = 100;
  std::int64_t hours = 24;
  unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    const std::uint64_t value = std::strtoull(argv[i + 1], nullptr, 10);
    if (flag == "--first") first = value;
    if (flag == "--runs") runs = value;
    if (flag == "--hours") hours = static_cast<std::int64_t>(value);
    if (flag == "--jobs") jobs = static_cast<unsigned>(std::max<std::uint64_t>(value, 1));
  }
  std::atomic<std::uint64_t> next{first};
  std::mutex print;
  std::atomic<int> failed{0};
  std::atomic<long> reports{0}, unannounced{0}, sms{0}, not_sent{0}, commands{0};
  std::vector<std::thread> workers;
  for (unsigned j = 0; j < jobs; ++j) {
    workers.emplace_back([&] {
      for (std::uint64_t seed; (seed = next++) < first + runs;) {
        const testing_support::NetOutcome outcome = testing_support::RunFieldDay(seed, hours);
        reports += outcome.reports;
        unannounced += outcome.unannounced;
        sms += outcome.sms;
        not_sent += outcome.sms_not_sent;
        commands += outcome.commands;
        if (outcome.faults.empty()) continue;
        ++failed;
        const std::lock_guard<std::mutex> lock(print);
        std::fputs(testing_support::Describe(seed, outcome).c_str(), stdout);
        std::fflush(stdout);
      }
    });
  }
  for (std::thread& w : workers) w.join();
  std::printf(
      "%llu runs of %lld h from seed %llu: %d failed; %ld reports (%ld whose notice was lost on "
      "an unswept slot), %ld SMS sent, %ld recorded as not sent, %ld command lines\n",
      static_cast<unsigned long long>(runs), static_cast<long long>(hours),
      static_cast<unsigned long long>(first), failed.load(), reports.load(), unannounced.load(),
      sms.load(), not_sent.load(), commands.load());
  return failed == 0 ? 0 : 1;
}
