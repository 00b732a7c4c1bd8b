// A GSM modem as a field installation meets it, for tests: it echoes what it is
// sent (the LF after a command's CR excepted) while its echo is on, answers its
// commands one at a time and in order after a delay, keeps messages in SIM slots,
// and takes every byte after "AT+CMGS=" as message text up to the Ctrl-Z. What it
// says goes out one line after another at line speed, as a serial line carries it.
//
// Set up by hand, it behaves the same way every time. Given a Misbehaviour, it
// misbehaves as field modems do, at random but the same way for the same seed.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/quiet_buffer.h"
#include "common/serial_line.h"

namespace testing_support {

// The one table of how a field modem misbehaves, with the random source that
// chooses for each answer and each stretch of time. Percentages are of answers
// (or of commands), rates are per hour.
struct Misbehaviour {
  explicit Misbehaviour(std::uint64_t seed) : rng(seed) {}

  std::mt19937_64 rng;

  // Answer delay: most under a second, some of 1 to 3 s, a few longer than the
  // console waits for an answer (5 to 10 s).
  int late_percent = 10;
  int overdue_percent = 2;
  // Pieces: an answer cut into pieces of one byte up to a whole line, with gaps
  // from none to well past the quiet gap that ends a read (20 ms).
  int cut_percent = 40;
  std::int64_t max_gap_ms = 90;
  // Notices: a report landing between the lines of an answer; bursts of 5 to 20
  // reports at once, their notices at line speed.
  int notice_inside_percent = 4;
  double bursts_per_hour = 0.5;
  // Calls: RING (and NO CARRIER) before, inside and after an answer.
  int ring_inside_percent = 2;
  double calls_per_hour = 1.5;
  // Errors: ERROR or "+CMS ERROR: n" for a read, a delete, an SMS command; a
  // read answered with its first line alone.
  int read_error_percent = 3;
  int read_cut_short_percent = 2;
  int delete_error_percent = 3;
  int sms_refused_percent = 4;
  // Restarts and the line lost: right after a command now and then, so that they
  // meet a job and an SMS in the middle.
  int restart_after_command_permille = 3;
  int line_lost_after_command_permille = 3;
  // Prompt: at once, late (1 to 3 s), never.
  int prompt_late_percent = 10;
  int prompt_never_percent = 2;
  // A SIM that fails the same slot three times in a row is broken, and the
  // console gives up on it; this modem fails a slot at most twice in a row.
  int max_failures_in_a_row = 2;

  // 0..99, and lo..hi, drawn from rng alone so that a seed reproduces a run.
  int Percent() { return static_cast<int>(rng() % 100); }
  int Permille() { return static_cast<int>(rng() % 1000); }
  std::int64_t Between(std::int64_t lo, std::int64_t hi) {
    return lo + static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool Chance(int percent) { return Percent() < percent; }
};

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
  struct Piece {
    std::int64_t at_ms;
    std::string bytes;
    std::string announces;  // the last piece of a notice: its slot
  };

  bool echo = true;  // switched by ATE0 and ATE1; ATZ switches it on again
  std::int64_t answer_delay_ms = 0;
  EmptySlot empty_slot = EmptySlot::BareOk;
  std::set<std::string> unanswered_slots;  // reads of these slots get no answer at all
  // Reads of these slots get their answer's first line and nothing more, this many times.
  std::map<std::string, int> half_answers;
  // A SIM busy for a moment: no answer goes out before this.
  std::int64_t hold_answers_until_ms = 0;
  bool refuse_sms = false;       // "AT+CMGS=" is answered "+CMS ERROR: 304", with no prompt
  std::int64_t start_up_ms = 0;  // a restart: the modem takes no bytes this long
  int refused_deletes = 0;       // the next deletes answered "+CMS ERROR: 314"
  // Called with every command line as it comes, before it is answered.
  std::function<void(const std::string& line, std::int64_t now_ms)> on_command;
  Misbehaviour* misbehaviour = nullptr;  // none: the modem does only what is set above

  std::map<std::string, Message> slots;
  std::vector<std::string> commands;  // every command line, in order
  std::string lost_in_start_up;       // bytes that came while the modem was starting
  std::vector<Sms> sent;              // every SMS text taken after its prompt
  // Texts the modem took though it had given no prompt for them.
  std::vector<Sms> taken_without_prompt;
  // Slots deleted while their message's whole answer had not gone out since it landed.
  std::vector<std::string> deleted_unread;
  // With a misbehaviour: lands a report now, its notice free to come between the
  // lines of the answer that is starting.
  std::function<void(std::int64_t now_ms)> land_between_lines;

  // Bytes from the console.
  void Receive(std::string_view bytes, std::int64_t now_ms);
  // A message lands in a slot; the notice follows, after the answer being sent or,
  // between_lines, after the line being sent.
  void Deliver(const std::string& slot, const Message& message, std::int64_t now_ms,
               bool between_lines = false);
  // Unsolicited bytes put on the line at a moment, as above.
  void Say(const std::string& bytes, std::int64_t at_ms, bool between_lines = false);
  // What the modem has put on the line by now, oldest first; taken.
  std::string Output(std::int64_t now_ms);
  // The same, piece by piece with the moment each went out.
  std::vector<Piece> OutputPieces(std::int64_t now_ms);
  // The modem restarts: it forgets what it was given and says so.
  void Restart(std::int64_t now_ms);
  // Another modem on the line: nothing of this one's dialogue goes on.
  void Forget();
  // The line to the console is lost: the command in hand is lost with it.
  void LineLost(std::int64_t now_ms);

  bool InPrompt() const { return in_prompt_; }
  // How many command lines began with this text.
  int Count(std::string_view command_start) const;
  // Whether a slot holding a message has failed as often in a row as the
  // misbehaviour allows: no restart nor lost line may meet its next read.
  bool FailureCapInHand() const;
  // The last lines of the dialogue, for a failing run to show.
  const std::deque<std::string>& Log() const { return log_; }
  std::size_t log_lines = 80;
  void Note(std::int64_t at_ms, const std::string& what);

 private:
  // What the modem has to say: lines, sent one after another once ready.
  struct Chunk {
    Chunk(std::int64_t at, std::deque<std::string> text) : ready_at(at), lines(std::move(text)) {}
    std::int64_t ready_at;
    std::deque<std::string> lines;
    std::string read_slot;       // the whole answer to reading this slot
    std::string notice;          // the notice of this slot
    bool between_lines = false;  // unsolicited: may come between the lines of an answer
    bool prompt = false;         // the text prompt
    bool in_hand = false;        // the answer to the read or delete in hand
    bool lost = false;           // it comes after the console stopped waiting, or the line
    bool started = false;        // its first line has gone out
  };

  void Command(const std::string& line, std::int64_t now_ms);
  void Answer(const std::string& bytes, std::int64_t ready_at);
  void AnswerRead(const std::string& slot, std::int64_t now_ms);
  void AnswerDelete(const std::string& slot, std::int64_t now_ms);
  void AnswerSmsCommand(const std::string& number, std::int64_t now_ms);
  std::int64_t Delay(bool may_be_overdue);
  bool MayFail(const std::string& slot) const;
  void Unsolicited(Chunk chunk);
  void FireRestart(std::int64_t now_ms);
  // Sends what is due up to the moment.
  void Transmit(std::int64_t until_ms, std::vector<Piece>& out);
  // Starts the next line on the transmitter, if one is ready by now.
  bool StartLine(std::int64_t now_ms);
  void Send(const std::string& line, std::int64_t at, const Chunk& chunk, bool last);

  std::string line_;  // the command line being received
  bool after_cr_ = false;
  bool in_prompt_ = false;
  bool prompt_given_ = false;  // the prompt for the SMS being taken has gone out
  Sms prompt_;
  std::deque<Chunk> answers_;               // echoes and answers, in order
  std::deque<Chunk> unsolicited_;           // notices, calls, the start-up message
  std::deque<Piece> in_flight_;             // the pieces of the line on the transmitter
  std::int64_t tx_free_at_ = 0;             // when the transmitter may start a line
  std::optional<std::int64_t> restart_at_;  // a restart to come, drawn by the misbehaviour
  std::int64_t booting_until_ = 0;          // a restarting modem takes no bytes till then
  std::map<std::string, int> failures_;     // slot -> its commands that failed in a row
  std::set<std::string> whole_;             // slots whose answer went out whole since landing
  std::string in_hand_;                     // the slot of the read or delete being answered
  std::deque<std::string> log_;
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
  std::set<std::string> announced;  // slots whose notice the console has read

  void Open() override {}
  bool Write(const std::uint8_t* data, std::size_t count) override;
  std::size_t Read(std::uint8_t* into, std::size_t max) override;
  std::int64_t SilentMs() override;
  std::uint32_t Session() const override { return session; }

 private:
  void TakeArrived();

  // Notices not yet read whole: the slot, and the bytes of the buffer up to the
  // notice's end.
  std::deque<std::pair<std::string, std::size_t>> unread_notices_;
  bool lost_in_line_ = false;  // a piece of the line arriving was lost with the line
};

}  // namespace testing_support
