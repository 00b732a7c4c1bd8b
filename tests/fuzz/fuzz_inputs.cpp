#include "tests/fuzz/fuzz_inputs.h"

#include <algorithm>
#include <array>
#include <vector>

#include "links/modem_dialogue.h"
#include "links/rs485_poll.h"
#include "links/sms_inbox.h"
#include "monitor/startup.h"
#include "tests/support/fakes.h"

namespace fuzz {
namespace {

// One console core, started once in its own temporary folder.
struct Rig {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  links::LinkState link;
  Rig() {
    monitor::Timer3Timer(st);
    st.state.ChannelPhone[7] = "9123456707";
    st.form.StringGrid3.Cells(2, 7) = "9123456707";
  }
};

Rig& TheRig() {
  static Rig rig;
  return rig;
}

}  // namespace

void FeedRs485Answer(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  Rig& r = TheRig();
  r.link.poll.PollAddress = static_cast<std::uint8_t>(data[0] % 5);
  const std::size_t n = std::min(size - 1, r.link.Rs485RxBuffer.size());
  std::copy_n(data + 1, n, r.link.Rs485RxBuffer.begin());
  r.link.Rs485RxCount = static_cast<std::int32_t>(n);
  if (n > 0) links::DecodeRs485Answer(r.st, r.link);
}

void FeedModemAnswer(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  static constexpr std::array<const char*, 4> kJobs = {"", "newsms", "rd", "delsms"};
  Rig& r = TheRig();
  r.st.state.ModemRequest = kJobs[data[0] % kJobs.size()];
  const std::size_t n = std::min(size - 1, links::kModemRxMax);
  r.link.ModemRxBuffer.fill(0);
  std::copy_n(data + 1, n, r.link.ModemRxBuffer.begin());
  r.link.ModemRxCount = static_cast<std::int32_t>(n);
  if (n > 0) links::RecogniseModemAnswer(r.st, r.link);
  r.st.form.ComboBox2.Items.clear();  // keeps a long run from growing the list
}

void FeedSmsReport(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> read(data, data + std::min<std::size_t>(size, links::kModemRxMax));
  const auto n = static_cast<std::int32_t>(read.size());
  read.push_back(0);
  links::ParseSmsReport(read.data(), n);
}

}  // namespace fuzz
