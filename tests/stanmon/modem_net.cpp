#include "tests/stanmon/modem_net.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <queue>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "monitor/console_form.h"
#include "monitor/numbering.h"
#include "tests/stanmon/field_desk.h"

namespace testing_support {
namespace {

constexpr std::int64_t kMinute = 60'000;
constexpr std::int64_t kQuietEnd = 40 * kMinute;  // the last stretch: no new traffic
constexpr int kSimSlots = 30;                     // slots the SIM holds
constexpr int kSweptSlots = 9;                    // the console sweeps 1..9 by itself
constexpr int kPrice = 2;
constexpr int kBalance = 100000;
const char* const kSupport1 = "9123456780";
const char* const kSupport2 = "9123456781";

std::string Phone(int channel) {
  return "91234567" + std::string(channel < 10 ? "0" : "") + std::to_string(channel);
}

// One report: the object's signal (k mod 16) + 1 on, every other off, so that
// each report of an object changes its signals and leaves one "Вкл" line.
struct Report {
  int channel;
  std::string slot;
  int k;  // the object's report number
};

// The traffic of a day and the desk it runs on.
class FieldDay {
 public:
  explicit FieldDay(std::uint64_t seed) : m_(seed) {}

  NetOutcome Run(std::int64_t hours);

 private:
  using Event = std::function<void()>;
  void At(std::int64_t when, Event event);
  void Every(double per_hour, Event event);
  std::int64_t Now() const { return desk_.time.Now(); }

  void SetUp();
  void LandReport(bool between_lines);
  void Burst();
  void Call();
  void SignalChange();
  void OutputTick();
  void OperatorSms();
  void MenuCommand();
  void MaybeLoseTheLine(std::int64_t now);
  void Watch();
  void Check(NetOutcome& outcome);

  Misbehaviour m_;
  FieldDesk desk_;
  std::int64_t end_ = 0;
  std::multimap<std::int64_t, Event> events_;
  std::vector<Report> reports_;
  std::map<int, int> next_k_;        // channel -> its next report number
  std::map<int, bool> signal_on_;    // RS485 channel -> its signal
  std::set<std::string> free_text_;  // the free commands typed, each unique
  int operator_sms_ = 0;
  std::map<std::string, int> manual_texts_;  // text -> number of its SMS
  std::map<std::string, int> panel5_seen_;   // what the event panel showed, by its end
};

void FieldDay::At(std::int64_t when, Event event) {
  events_.emplace(when, std::move(event));
}

// A stretch event at random moments, about per_hour times an hour.
void FieldDay::Every(double per_hour, Event event) {
  const auto mean = static_cast<std::int64_t>(60.0 * kMinute / per_hour);
  const std::int64_t when = Now() + m_.Between(mean / 4, mean * 7 / 4);
  if (when > end_ - kQuietEnd) return;
  At(when, [this, per_hour, event] {
    event();
    Every(per_hour, event);
  });
}

void FieldDay::SetUp() {
  auto& f = desk_.console.form();
  for (int c = monitor::kFirstGsmChannel; c <= monitor::kChannels; ++c) {
    f.StringGrid3.Cells(monitor::kPhoneColumn, c) = Phone(c);
    f.StringGrid3.Cells(monitor::kBalanceColumn, c) = std::to_string(kBalance);
    desk_.console.state().ChannelPhone[c] = Phone(c);
  }
  f.Edit1.Text = std::to_string(kPrice);
  f.Edit2.Text = kSupport1;
  f.Edit19.Text = kSupport2;
  const SimModem::EmptySlot forms[] = {SimModem::EmptySlot::BareOk, SimModem::EmptySlot::CmgrZero,
                                       SimModem::EmptySlot::CmsError};
  desk_.modem.empty_slot = forms[m_.Between(0, 2)];
  desk_.modem.misbehaviour = &m_;
  if (const char* lines = std::getenv("STANMON_NET_LOG_LINES")) {
    desk_.modem.log_lines = std::strtoul(lines, nullptr, 10);
  }
  desk_.modem.land_between_lines = [this](std::int64_t) { LandReport(true); };
  desk_.modem.on_command = [this](const std::string&, std::int64_t now) { MaybeLoseTheLine(now); };
  desk_.time.after_each_tick = [this] { Watch(); };
}

void FieldDay::LandReport(bool between_lines) {
  if (Now() > end_ - kQuietEnd) return;
  std::vector<std::string> free;
  for (int s = 1; s <= kSimSlots; ++s) {
    if (desk_.modem.slots.count(std::to_string(s)) == 0) free.push_back(std::to_string(s));
  }
  if (free.empty()) return;
  const auto pick = m_.Between(0, static_cast<std::int64_t>(free.size()) - 1);
  const std::string slot = free[static_cast<std::size_t>(pick)];
  const int channel = static_cast<int>(m_.Between(monitor::kFirstGsmChannel, monitor::kChannels));
  const int k = next_k_[channel]++;
  std::string signals(16, '0');
  signals[static_cast<std::size_t>(k % 16)] = '1';
  desk_.line.announced.erase(slot);
  desk_.modem.Note(Now(), "! report " + std::to_string(k) + " of object " +
                              std::to_string(channel) + " lands in slot " + slot);
  desk_.modem.Note(Now(), "! report " + std::to_string(k) + " of object " +
                              std::to_string(channel) + " lands in slot " + slot);
  desk_.modem.Deliver(slot, {"+7" + Phone(channel), "Obj " + std::to_string(k) + "." + signals},
                      Now(), between_lines);
  reports_.push_back({channel, slot, k});
}

void FieldDay::Burst() {
  const auto count = m_.Between(5, 20);
  for (std::int64_t i = 0; i < count; ++i) LandReport(false);
}

void FieldDay::Call() {
  const auto rings = m_.Between(1, 4);
  std::int64_t at = Now();
  for (std::int64_t i = 0; i < rings; ++i, at += m_.Between(3000, 5000)) {
    desk_.modem.Say("\r\nRING\r\n", at, m_.Chance(50));
  }
  desk_.modem.Say("\r\nNO CARRIER\r\n", at, m_.Chance(50));
}

void FieldDay::SignalChange() {
  const int channel = static_cast<int>(m_.Between(1, 4));
  bool& on = signal_on_[channel];
  on = !on;
  std::string bits(16, '0');
  if (on) bits[static_cast<std::size_t>(m_.Between(0, 15))] = '1';
  const auto word = static_cast<std::uint16_t>(on ? m_.Between(1, 0xFFFF) : 0);
  desk_.console.state().RxRs485 = {channel, bits, word, true};
}

void FieldDay::OutputTick() {
  const int channel = static_cast<int>(m_.Between(monitor::kFirstGsmChannel, monitor::kChannels));
  const int box = m_.Chance(50) ? monitor::OutputBoxP1(channel) : monitor::OutputBoxP2(channel);
  auto& check = desk_.console.form().CheckBox[box];
  check.Checked = !check.Checked;
  desk_.modem.Note(Now(), "! output box " + std::to_string(box));
  desk_.console.Click("CheckBox" + std::to_string(box));
  Watch();
}

// The operator sends an SMS, confirming its text a while after typing the number.
void FieldDay::OperatorSms() {
  const std::string count = std::to_string(++operator_sms_);
  const std::string number = "9005" + std::string(6 - count.size(), '0') + count;
  const std::string text = "net " + count;
  manual_texts_[text] = 0;
  auto& dialogs = desk_.fakes.dialogs;
  dialogs.text_answers.push_back(number);
  dialogs.text_answers.push_back(text);
  const std::int64_t typing = m_.Chance(30) ? 0 : m_.Between(500, 8000);
  dialogs.while_next_box_open = [this, typing] {
    desk_.fakes.dialogs.while_next_box_open = [this, typing] { desk_.time.Advance(typing); };
  };
  desk_.modem.Note(Now(), "! operator's SMS to " + number + ": " + text);
  desk_.console.Click("SMS1");
  Watch();
}

void FieldDay::MenuCommand() {
  auto& dialogs = desk_.fakes.dialogs;
  const auto which = m_.Between(0, 6);
  desk_.modem.Note(Now(), "! menu command " + std::to_string(which));
  // "Наличие модема", "Эхо отменить", "Сброс", "Читать тел.№1": no input box.
  constexpr const char* kWithoutBox[] = {"AT1", "N7", "N8", "N17"};
  switch (which) {
    case 0:
    case 1:
    case 2:
    case 3:
      desk_.console.Click(kWithoutBox[which]);
      break;
    case 4:
      dialogs.text_answers.push_back(std::string("9001112233"));
      desk_.console.Click("N18");
      break;
    case 5: {
      const std::string line = "AT+XNET=" + std::to_string(free_text_.size() + 1);
      free_text_.insert(line);
      dialogs.text_answers.push_back(line);
      desk_.console.Click("N19");
      break;
    }
    default: {
      // A slot that holds no report: reading one out of turn would apply it after
      // later ones, and the archive could not tell its signals.
      std::string slot;
      do {
        slot = std::to_string(m_.Between(1, kSimSlots));
      } while (desk_.modem.slots.count(slot) != 0 && desk_.modem.slots.size() < kSimSlots);
      dialogs.text_answers.push_back(slot);
      desk_.console.Click("SMS2");
      break;
    }
  }
  Watch();
}

// Now and then the line is lost a moment after a command, and comes back: the
// same modem, another session of the line.
void FieldDay::MaybeLoseTheLine(std::int64_t now) {
  if (desk_.line.down || now > end_ - kQuietEnd / 4) return;
  if (m_.Permille() >= m_.line_lost_after_command_permille) return;
  At(now + m_.Between(50, 2000), [this] {
    if (desk_.line.down) return;
    if (desk_.modem.FailureCapInHand()) return;  // the slot in hand has failed often enough
    desk_.line.down = true;
    desk_.modem.LineLost(Now());
    At(Now() + m_.Between(500, 6000), [this] {
      desk_.line.down = false;
      ++desk_.line.session;
    });
  });
}

// After every tick and action: what the event panel shows, counted, and the
// panel cleared so that the same text written again counts again. The date-time
// in front of an SMS's text is left out.
void FieldDay::Watch() {
  std::string& panel = desk_.console.form().StatusBar1[monitor::kEventPanel].Text;
  if (panel.empty()) return;
  const std::size_t from = std::min(panel.find(" Отправка SMS"), panel.find(" Не отправлено SMS"));
  ++panel5_seen_[from == std::string::npos ? panel : panel.substr(from)];
  desk_.modem.Note(Now(), "! event panel: " + panel);
  panel.clear();
}

NetOutcome FieldDay::Run(std::int64_t hours) {
  end_ = Now() + hours * 60 * kMinute;
  SetUp();
  Every(12, [this] { LandReport(false); });
  Every(m_.bursts_per_hour, [this] { Burst(); });
  Every(m_.calls_per_hour, [this] { Call(); });
  Every(1.5, [this] { SignalChange(); });
  Every(2, [this] { OutputTick(); });
  Every(1, [this] { OperatorSms(); });
  Every(2, [this] { MenuCommand(); });
  // Near the end nothing restarts the modem any more, so that the last reads end.
  At(end_ - kQuietEnd / 4, [this] { m_.restart_after_command_permille = 0; });
  for (;;) {
    const auto next = events_.begin();
    const std::int64_t when = next == events_.end() ? end_ : std::min(next->first, end_);
    if (when > Now()) {
      desk_.time.Advance(when - Now());
      continue;
    }
    if (next == events_.end() || next->first > Now()) break;
    Event event = std::move(next->second);
    events_.erase(next);
    event();
  }
  NetOutcome outcome;
  Check(outcome);
  outcome.log = desk_.modem.Log();
  outcome.commands = static_cast<int>(desk_.modem.commands.size());
  return outcome;
}

int CountLines(const std::string& text, const std::function<bool(const std::string&)>& pick) {
  std::istringstream lines(text);
  int count = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.ends_with('\r')) line.pop_back();
    count += pick(line) ? 1 : 0;
  }
  return count;
}

void FieldDay::Check(NetOutcome& outcome) {
  auto fault = [&](const std::string& what) { outcome.faults.push_back(what); };
  const SimModem& modem = desk_.modem;
  const std::string archive = desk_.Archive();
  outcome.reports = static_cast<int>(reports_.size());

  // Every report is read, applied and charged once; only one whose notice the
  // line lost, on a slot the sweep never reads, may stay unread on the SIM.
  std::map<int, int> expected;  // channel -> reports applied
  for (const Report& r : reports_) {
    const auto left = modem.slots.find(r.slot);
    const bool still_there = left != modem.slots.end() &&
                             left->second.text.starts_with("Obj " + std::to_string(r.k) + ".") &&
                             left->second.sender == "+7" + Phone(r.channel);
    if (!still_there) {
      ++expected[r.channel];
      continue;
    }
    if (std::stoi(r.slot) > kSweptSlots && desk_.line.announced.count(r.slot) == 0) {
      ++outcome.unannounced;
      continue;
    }
    fault("report " + std::to_string(r.k) + " of object " + std::to_string(r.channel) +
          " was never read from slot " + r.slot);
  }
  auto& objects = desk_.console.form().StringGrid3;
  for (int c = monitor::kFirstGsmChannel; c <= monitor::kChannels; ++c) {
    const int charged = (kBalance - std::stoi(objects.Cells(monitor::kBalanceColumn, c))) / kPrice;
    const std::string code = (c < 10 ? "0" : "") + std::to_string(c) + "_";
    const int on_lines = CountLines(archive, [&](const std::string& line) {
      return line.find("  " + code) != std::string::npos && line.find(" Вкл") != std::string::npos;
    });
    if (charged != expected[c] || on_lines != expected[c]) {
      fault("object " + std::to_string(c) + ": " + std::to_string(expected[c]) +
            " reports read, charged " + std::to_string(charged) + " times, " +
            std::to_string(on_lines) + " signals on in the archive");
    }
  }
  for (const std::string& slot : modem.deleted_unread) {
    fault("slot " + slot + " deleted before its whole answer went out");
  }

  // Every SMS recorded or shown as sent was taken by the modem after its own
  // prompt and holds its own text; every other one is recorded as not sent, and
  // none waits for its record at the end.
  for (const SimModem::Sms& sms : modem.taken_without_prompt) {
    fault("text \"" + sms.text + "\" taken for " + sms.number + " without a prompt");
  }
  std::map<std::string, int> taken;  // number -> SMS it was sent
  static const std::regex alarm_body(R"(( \d\d-\d\d\n)* \d\d-\d\d)");
  static const std::regex control_text(R"(\+[0-3]R)");
  for (const SimModem::Sms& sms : modem.sent) {
    const std::string phone = sms.number.substr(2);
    ++taken[phone];
    const bool support = phone == kSupport1 || phone == kSupport2;
    const bool object = phone.starts_with("91234567") && !support;
    const auto manual = manual_texts_.find(sms.text);
    const bool ok = support  ? std::regex_match(sms.text, alarm_body)
                    : object ? std::regex_match(sms.text, control_text)
                             : manual != manual_texts_.end() && manual->second++ == 0;
    if (!ok) fault("SMS to " + sms.number + " holds \"" + sms.text + "\"");
  }
  std::map<std::string, int> recorded;  // number -> recorded or shown as sent
  for (const char* phone : {kSupport1, kSupport2}) {
    recorded[phone] = CountLines(archive, [&](const std::string& line) {
      return line.ends_with(std::string(" Отправлен SMS запрос на телефон поддержки : ") + phone);
    });
    outcome.sms_not_sent += CountLines(archive, [&](const std::string& line) {
      return line.ends_with(std::string(" Не отправлен SMS запрос на телефон поддержки : ") +
                            phone);
    });
  }
  for (const auto& seen : panel5_seen_) {
    const std::string& text = seen.first;
    const int times = seen.second;
    const auto after = [&](const std::string& prefix) {
      return text.starts_with(prefix) ? text.substr(prefix.size()) : std::string();
    };
    if (text.starts_with(" Отправка SMS : ")) continue;  // the alarm SMS: its archive tells
    if (const std::string p = after(" Отправка SMS: "); !p.empty()) recorded[p] += times;
    if (const std::string p = after(" Не отправлено SMS: "); !p.empty()) {
      recorded[p] -= times;
      outcome.sms_not_sent += times;
    }
    if (const std::string n = after(" Отправка SMS "); !n.empty()) recorded[n] += times;
    if (const std::string n = after(" Не отправлено SMS "); !n.empty())
      outcome.sms_not_sent += times;
  }
  for (const auto& [number, times] : recorded) {
    outcome.sms += times;
    if (times > taken[number]) {
      fault("SMS to " + number + ": " + std::to_string(times) + " recorded as sent, " +
            std::to_string(taken[number]) + " taken by the modem");
    }
  }
  const links::LinkState& link = desk_.console.link();
  if (!link.sms.Awaited.empty() || link.sms.ManualInFlight || !link.held.queue.empty()) {
    fault("an SMS or a command still waits at the end");
  }

  // Every operator's command went out once, outside any SMS.
  for (const std::string& line : free_text_) {
    // Typed into a modem that was starting, it went out all the same.
    const auto times = std::count(modem.commands.begin(), modem.commands.end(), line) +
                       (modem.lost_in_start_up.find(line + "\r") != std::string::npos ? 1 : 0);
    if (times != 1) fault(line + " went out " + std::to_string(times) + " times");
  }
  for (const SimModem::Sms& sms : modem.sent) {
    if (sms.text.find("AT") != std::string::npos)
      fault("a command in the SMS \"" + sms.text + "\"");
  }

  // The console is still running.
  const auto& form = desk_.console.form();
  if (!form.Timer1.Enabled || !form.Timer2.Enabled || !form.Timer3.Enabled ||
      !form.Timer6.Enabled) {
    fault("a timer stopped");
  }
  for (const Box& box : desk_.fakes.dialogs.OfKind("inform")) {
    fault("a box: " + box.text);
  }
}

}  // namespace

NetOutcome RunFieldDay(std::uint64_t seed, std::int64_t hours) {
  FieldDay day(seed);
  return day.Run(hours);
}

std::string Describe(std::uint64_t seed, const NetOutcome& outcome) {
  std::string text = "seed " + std::to_string(seed) + ": " + std::to_string(outcome.faults.size()) +
                     " invariants failed\n";
  for (const std::string& f : outcome.faults) text += "  " + f + "\n";
  text += "the modem dialogue's last lines:\n";
  for (const std::string& line : outcome.log) text += "  " + line + "\n";
  return text;
}

}  // namespace testing_support
