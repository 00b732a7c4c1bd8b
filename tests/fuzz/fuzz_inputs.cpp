#include "tests/fuzz/fuzz_inputs.h"

#include <array>
#include <string>

#include "links/link_state.h"
#include "links/timer1_timer.h"
#include "links/timer2_timer.h"
#include "monitor/timer3_timer.h"
#include "tests/support/fakes.h"

namespace fuzz {
namespace {

constexpr const char* kChannel7Phone = "9123456707";

// The console's form and state as start-up leaves them, with a phone for channel 7.
struct StartedCore {
  monitor::ConsoleForm form;
  monitor::SharedState state;
  monitor::CoreState core;
  monitor::FileFaults faults;
};

StartedCore StartCore() {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  monitor::Timer3Timer(st);
  st.state.ChannelPhone[7] = kChannel7Phone;
  st.form.StringGrid3.Cells(2, 7) = kChannel7Phone;
  return {st.form, st.state, st.core, st.faults};
}

// The console that meets every input: built once, and before each input reset to
// the started core, with fresh field state and fakes (the folder is not used).
struct Rig {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  links::LinkState link;

  static Rig& ForNextInput() {
    static const StartedCore started = StartCore();
    static Rig rig;
    rig.st.form = started.form;
    rig.st.state = started.state;
    rig.st.core = started.core;
    rig.st.Form2 = {};
    rig.st.faults = started.faults;
    rig.st.ports.folder = rig.fakes.folder.path;
    rig.link = {};
    testing_support::FakePorts& f = rig.fakes;
    f.dialogs = {};
    f.modem = {};
    f.rs485 = {};
    f.sound = {};
    f.printer = {};
    f.picture = {};
    f.clock = {};
    return rig;
  }
  void Receive(const std::uint8_t* data, std::size_t size, testing_support::FakeSerialLine& line) {
    line.arrivals.emplace_back(data, data + size);
    links::Timer2Timer(st, link);
  }
  // Ticks until the line has given up every byte and the modem bytes beyond one
  // tick's share have been examined too.
  void TakeTheRest(testing_support::FakeSerialLine& line) {
    while (!line.arrivals.empty() || link.ModemRxWaitingCount > 0) links::Timer2Timer(st, link);
  }
};

}  // namespace

void FeedRs485Answer(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  Rig& r = Rig::ForNextInput();
  r.link.poll.PollAddress = static_cast<std::uint8_t>(data[0] % 5);
  r.Receive(data + 1, size - 1, r.fakes.rs485);
  r.TakeTheRest(r.fakes.rs485);
}

void FeedModemAnswer(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  static constexpr std::array<links::ModemJob, 5> kJobs = {
      links::ModemJob::Idle, links::ModemJob::ReadQueued, links::ModemJob::Reading,
      links::ModemJob::DeleteQueued, links::ModemJob::Deleting};
  static constexpr std::array<monitor::SmsOwner, 4> kOwners = {
      monitor::SmsOwner::None, monitor::SmsOwner::Control, monitor::SmsOwner::Alarm,
      monitor::SmsOwner::Manual};
  Rig& r = Rig::ForNextInput();
  r.link.modem.ModemRequest = kJobs[data[0] % kJobs.size()];
  monitor::ModemGate& gate = r.st.state.gate;
  gate.owner = kOwners[data[0] / kJobs.size() % kOwners.size()];
  gate.answers_due = data[0] / (kJobs.size() * kOwners.size()) % 3;
  gate.in_step = data[0] % 2 == 0;
  gate.probe_due = !gate.in_step;
  gate.probes_out = !gate.in_step && data[0] % 3 == 0 ? 1 : 0;
  for (std::size_t from = 1;;) {
    std::size_t to = from;
    while (to < size && data[to] != 0xFF) ++to;
    r.Receive(data + from, to - from, r.fakes.modem);
    if (to == size) break;
    from = to + 1;
  }
  r.TakeTheRest(r.fakes.modem);
}

void FeedSmsReport(const std::uint8_t* data, std::size_t size) {
  static const std::string kNotice = "\r\n+CMTI: \"SM\",3\r\n";
  Rig& r = Rig::ForNextInput();
  const testing_support::TempFolder folder;  // for the archive and balances the pass writes
  r.st.ports.folder = folder.path;
  r.Receive(reinterpret_cast<const std::uint8_t*>(kNotice.data()), kNotice.size(), r.fakes.modem);
  links::Timer1Timer(r.st, r.link);  // asks for the message
  r.Receive(data, size, r.fakes.modem);
  r.TakeTheRest(r.fakes.modem);
  monitor::Timer3Timer(r.st);        // the main-cycle pass applies and charges the report
  links::Timer1Timer(r.st, r.link);  // deletes the message
}

}  // namespace fuzz
