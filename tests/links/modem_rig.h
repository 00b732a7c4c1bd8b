// A station and the field side's state, with a modem line fed one read at a time.
#pragma once

#include <string>
#include <vector>

#include "links/link_state.h"
#include "links/timer2_timer.h"
#include "tests/support/fakes.h"

namespace testing_support {

inline std::vector<std::uint8_t> Bytes(const std::string& s) {
  return {s.begin(), s.end()};
}

struct ModemRig {
  FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  links::LinkState link;

  // One Timer2 tick that reads these bytes from the modem line.
  void Arrive(const std::string& bytes) {
    fakes.modem.arrivals.push_back(Bytes(bytes));
    links::Timer2Timer(st, link);
  }
  std::string Panel(int i) { return st.form.StatusBar1[i].Text; }
  bool BufferClear() const {
    for (auto b : link.ModemRxBuffer) {
      if (b != 0) return false;
    }
    return true;
  }
  std::vector<std::string> Writes() const {
    std::vector<std::string> out;
    for (const auto& w : fakes.modem.writes) out.emplace_back(w.begin(), w.end());
    return out;
  }
};

}  // namespace testing_support
