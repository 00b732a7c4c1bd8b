// A GSM modem as a field installation meets it, for tests: it echoes what it is
// sent (the LF after a command's CR excepted) while its echo is on, answers its
// commands in order after a delay, keeps messages in SIM slots, and takes every
// byte after its prompt for "AT+CMGS=" as message text up to the Ctrl-Z.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/quiet_buffer.h"
#include "common/serial_line.h"

namespace testing_support {

class SimModem {
 public:
  // How the modem answers the read of an empty slot.
  enum class EmptySlot { BareOk, CmgrZero, CmsError };
  struct Message {
    std::string sender;  // "+79123456707"
    std::string text;
  };
  struct Sms {
    std::string number;
    std::string text;  // every byte between the prompt and the Ctrl-Z
    bool operator==(const Sms&) const = default;
  };

  bool echo = true;  // switched by ATE0 and ATE1; ATZ switches it on again
  std::int64_t answer_delay_ms = 0;
  EmptySlot empty_slot = EmptySlot::BareOk;
  std::set<std::string> unanswered_slots;  // reads of these slots get no answer at all
  // Reads of these slots get their answer's first line and nothing more, this many times.
  std::map<std::string, int> half_answers;
  // A SIM busy for a moment: no answer goes out before this.
  std::int64_t hold_answers_until_ms = 0;
  bool refuse_sms = false;  // "AT+CMGS=" is answered "+CMS ERROR: 304", with no prompt
  // Called with every command line as it comes, before it is answered.
  std::function<void(const std::string& line, std::int64_t now_ms)> on_command;
  std::map<std::string, Message> slots;
  std::vector<std::string> commands;  // every command line, in order
  std::vector<Sms> sent;              // every SMS sent

  // Bytes from the console.
  void Receive(std::string_view bytes, std::int64_t now_ms);
  // A message lands in a slot; the notice follows at once.
  void Deliver(const std::string& slot, const Message& message, std::int64_t now_ms);
  // Unsolicited bytes put on the line at a moment.
  void Say(const std::string& bytes, std::int64_t at_ms);
  // What the modem has put on the line by now, oldest first; taken.
  std::string Output(std::int64_t now_ms);
  struct Piece {
    std::int64_t at_ms;
    std::string bytes;
  };
  // The same, piece by piece with the moment each went out.
  std::vector<Piece> OutputPieces(std::int64_t now_ms);

  // The modem restarts: it forgets what it was given and says so.
  void Restart(std::int64_t now_ms);
  // Another modem on the line: nothing of this one's dialogue goes on.
  void Forget();

  bool InPrompt() const { return in_prompt_; }
  // How many command lines began with this text.
  int Count(std::string_view command_start) const;

 private:
  void Command(const std::string& line, std::int64_t now_ms);
  void Answer(const std::string& bytes, std::int64_t now_ms);

  std::string line_;  // the command line being received
  bool after_cr_ = false;
  bool in_prompt_ = false;
  Sms prompt_;
  std::multimap<std::int64_t, std::string> due_;  // bytes by the moment they go out
  std::int64_t answered_until_ = 0;               // the last answer's moment: none overtakes it
};

inline void PrintTo(const SimModem::Sms& sms, std::ostream* os) {
  *os << sms.number << " \"" << sms.text << '"';
}

// The modem line of a console core in tests: the simulated modem behind it, at
// the time `now` gives, handed over as the console's serial line does, once the
// line has been quiet for a few character times. While `down`, nothing goes
// either way; what the modem says meanwhile is lost.
struct SimModemLine : common::SerialLine {
  explicit SimModemLine(SimModem& m) : modem(m) { arrived.quiet_ms = 20; }

  SimModem& modem;
  std::function<std::int64_t()> now = [] { return std::int64_t{0}; };
  bool down = false;
  std::uint32_t session = 1;
  common::QuietBuffer arrived;

  void Open() override {}
  bool Write(const std::uint8_t* data, std::size_t count) override;
  std::size_t Read(std::uint8_t* into, std::size_t max) override;
  std::int64_t SilentMs() override;
  std::uint32_t Session() const override { return session; }

 private:
  void TakeArrived();
};

}  // namespace testing_support
