// One main-cycle pass: idle, and with all 16 signals of one channel changing.
#include <benchmark/benchmark.h>

#include "monitor/main_cycle.h"
#include "monitor/timer3_timer.h"
#include "tests/support/fakes.h"

namespace {

void IdlePass(benchmark::State& state) {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  monitor::Timer3Timer(st);
  for (auto _ : state) monitor::RunMainCycle(st);
}
BENCHMARK(IdlePass);

void SixteenRowsChanging(benchmark::State& state) {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  monitor::Timer3Timer(st);
  bool on = false;
  for (auto _ : state) {
    on = !on;
    st.state.RxRs485 = {2, on ? std::string(16, '1') : std::string(16, '0'),
                        static_cast<std::uint16_t>(on ? 0xFFFF : 0), 1};
    monitor::RunMainCycle(st);
  }
}
BENCHMARK(SixteenRowsChanging);

}  // namespace

// The window's render gate on a tick that changed nothing: the whole form
// compared with its last shown copy.
void UnchangedFormCompared(benchmark::State& state) {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  monitor::Timer3Timer(st);
  const monitor::ConsoleForm shown = st.form;
  for (auto _ : state) benchmark::DoNotOptimize(shown == st.form);
}
BENCHMARK(UnchangedFormCompared);
