// The whole console in virtual time on a simulated modem, as a desk in the field
// runs it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/cp1251.h"
#include "common/timer_bank.h"
#include "monitor/console_form.h"
#include "stanmon/console.h"
#include "tests/support/fakes.h"
#include "tests/support/sim_modem.h"

namespace testing_support {

inline constexpr const char* kObject7 = "9123456707";
inline constexpr const char* kObject9 = "9123456709";

// The console on a simulated modem, started: "AT" answered, objects 7 and 9
// with their phones and balances, an SMS price of 2.
struct FieldDesk {
  testing_support::FakePorts fakes;
  SimModem modem;
  testing_support::SimModemLine line{modem};
  stanmon::Console console{fakes.PortsWithModem(line)};
  common::VirtualTime time{console.timers()};

  FieldDesk() {
    line.now = [this] { return time.Now(); };
    time.Advance(251 + 500);  // start-up: "AT", answered
    for (const char* phone : {kObject7, kObject9}) {
      const int channel = phone == kObject7 ? 7 : 9;
      console.form().StringGrid3.Cells(2, channel) = phone;
      console.form().StringGrid3.Cells(3, channel) = "100";
      console.state().ChannelPhone[channel] = phone;
    }
    console.form().Edit1.Text = "2";  // the SMS price
  }

  // A report from an object: its 16 signals after the dot.
  static SimModem::Message Report(const std::string& phone, const std::string& signals) {
    return {"+7" + phone, "Obj." + signals};
  }
  std::string Archive() {
    return common::Cp1251ToUtf8(fakes.folder.Read(console.station().core.ArchiveFileName));
  }
  int ArchiveHolds(const std::string& text) {
    const std::string archive = Archive();
    int count = 0;
    for (auto at = archive.find(text); at != std::string::npos; at = archive.find(text, at + 1)) {
      ++count;
    }
    return count;
  }
  // Advances in 10 ms steps until done() holds or the time is up; true when it held.
  bool AdvanceUntil(const std::function<bool()>& done, std::int64_t limit_ms) {
    for (std::int64_t waited = 0; waited < limit_ms; waited += 10) {
      if (done()) return true;
      time.Advance(10);
    }
    return done();
  }
  // The line is lost for a while, and another modem is on it when it is back.
  void ReplugAfter(std::int64_t ms) {
    line.down = true;
    time.Advance(ms);
    modem.Forget();
    ++line.session;
    line.down = false;
  }
  // Signal 5 of RS485 object 2 comes on: the alarm SMS is armed.
  void SignalComesOn() { console.state().RxRs485 = {2, "0000100000000000", 0x0800, true}; }
  std::string Panel5() { return console.form().StatusBar1[monitor::kEventPanel].Text; }

  // The alarm SMS to support phone 1 (9123456780), run until its "AT+CMGS=" went;
  // false when it never did.
  bool StartAlarmSms() {
    console.form().Edit2.Text = "9123456780";
    SignalComesOn();
    return AdvanceUntil([this] { return SmsCommandWent(); }, 130000);
  }
  // The control SMS of output P1 of channel 7, run until its "AT+CMGS=" went.
  bool StartControlSms() {
    const int box = monitor::OutputBoxP1(7);
    console.form().CheckBox[box].Checked = true;
    console.Click("CheckBox" + std::to_string(box));
    return AdvanceUntil([this] { return SmsCommandWent(); }, 40000);
  }
  bool SmsCommandWent() { return modem.Count("AT+CMGS=") > 0; }

  std::vector<std::string> Reads() const {
    std::vector<std::string> reads;
    for (const auto& c : modem.commands) {
      if (c.starts_with("AT+CMGR=")) reads.push_back(c.substr(8));
    }
    return reads;
  }
};

}  // namespace testing_support
