// One receive tick (Timer2) of the modem line: nothing arriving, and an object's
// report read back from the SIM in 12-byte pieces, one piece a tick.
#include <benchmark/benchmark.h>

#include <string>

#include "links/timer2_timer.h"
#include "monitor/timer3_timer.h"
#include "tests/support/fakes.h"

namespace {

struct ReceiveRig {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  links::LinkState link;
  ReceiveRig() {
    monitor::Timer3Timer(st);
    st.form.StringGrid3.Cells(2, 7) = "9123456707";
  }
};

void IdleTick(benchmark::State& state) {
  ReceiveRig rig;
  for (auto _ : state) links::Timer2Timer(rig.st, rig.link);
}
BENCHMARK(IdleTick);

void ReadBackInPieces(benchmark::State& state) {
  ReceiveRig rig;
  const std::string answer =
      "\r\n+CMGR: \"REC UNREAD\",\"+79123456707\",,\"26/03/05,14:07:09+12\"\r\n"
      "Obj 7.10000000000000010\r\n\r\nOK\r\n";
  std::size_t at = 0;
  for (auto _ : state) {
    if (at == 0) rig.link.modem.ModemRequest = links::ModemJob::Reading;
    const std::string piece = answer.substr(at, 12);
    rig.fakes.modem.arrivals.emplace_back(piece.begin(), piece.end());
    links::Timer2Timer(rig.st, rig.link);
    at = at + 12 < answer.size() ? at + 12 : 0;
    if (rig.st.form.ComboBox2.Items.size() > 30) rig.st.form.ComboBox2.Items.clear();
  }
}
BENCHMARK(ReadBackInPieces);

}  // namespace
