#include "tests/support/sim_modem.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace testing_support {
namespace {

constexpr char kCtrlZ = 0x1A;
constexpr char kEsc = 0x1B;
constexpr std::int64_t kOverdueMs = 5000;  // the console gives up an answer after 5 to 10 s

// The rest of the line after the command, when the line is that command.
std::optional<std::string> After(const std::string& line, std::string_view command) {
  if (!std::string_view(line).starts_with(command)) return std::nullopt;
  return line.substr(command.size());
}

std::string ReadAnswer(const SimModem::Message& message) {
  return "\r\n+CMGR: \"REC UNREAD\",\"" + message.sender + "\",,\"26/03/05,14:07:09+12\"\r\n" +
         message.text + "\r\n\r\nOK\r\n";
}

std::string EmptySlotAnswer(SimModem::EmptySlot form) {
  switch (form) {
    case SimModem::EmptySlot::CmgrZero:
      return "\r\n+CMGR: 0,,0\r\n\r\nOK\r\n";
    case SimModem::EmptySlot::CmsError:
      return "\r\n+CMS ERROR: 321\r\n";
    case SimModem::EmptySlot::BareOk:
      break;
  }
  return "\r\nOK\r\n";
}

// The lines of a text, each with its LF; a last part without one stands alone.
std::deque<std::string> Lines(const std::string& bytes) {
  std::deque<std::string> lines;
  for (std::size_t from = 0; from < bytes.size();) {
    const std::size_t lf = bytes.find('\n', from);
    const std::size_t end = lf == std::string::npos ? bytes.size() : lf + 1;
    lines.push_back(bytes.substr(from, end - from));
    from = end;
  }
  return lines;
}

std::string Printable(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (b < 0x20 || b >= 0x7F) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

void SimModem::Note(std::int64_t at_ms, const std::string& what) {
  char stamp[24];
  std::snprintf(stamp, sizeof stamp, "%10.3f ", static_cast<double>(at_ms) / 1000.0);
  log_.push_back(stamp + what);
  if (log_.size() > log_lines) log_.pop_front();
}

void SimModem::Receive(std::string_view bytes, std::int64_t now_ms) {
  FireRestart(now_ms);
  Note(now_ms, "> " + Printable(bytes));
  if (now_ms < booting_until_) {  // lost on a modem that is starting
    lost_in_start_up += bytes;
    for (const std::string_view job : {"AT+CMGR=", "AT+CMGD="}) {
      if (const std::size_t at = bytes.find(job); at != std::string_view::npos) {
        const std::size_t end = bytes.find('\r', at);
        ++failures_[std::string(bytes.substr(at + job.size(), end - at - job.size()))];
      }
    }
    return;
  }
  std::string echoed;
  const auto flush_echo = [&] {
    if (echoed.empty()) return;
    answers_.push_back({now_ms, Lines(echoed)});
    echoed.clear();
  };
  for (const char b : bytes) {
    // The LF after a command line's CR belongs to that line.
    const bool line_end = after_cr_ && b == '\n';
    after_cr_ = b == '\r' && !in_prompt_;
    if (line_end) continue;
    if (echo) echoed += b;
    if (in_prompt_) {
      if (b == kCtrlZ) {
        flush_echo();
        in_prompt_ = false;
        (prompt_given_ ? sent : taken_without_prompt).push_back(prompt_);
        const std::int64_t sending = misbehaviour ? misbehaviour->Between(500, 4000) : 0;
        answers_.push_back({std::max(now_ms + answer_delay_ms + sending, hold_answers_until_ms),
                            Lines("\r\n+CMGS: 1\r\n\r\nOK\r\n")});
      } else if (b == kEsc) {
        in_prompt_ = false;  // the message is dropped
      } else {
        prompt_.text += b;
      }
    } else if (b == '\r') {
      flush_echo();
      const std::string line = line_;
      line_.clear();
      if (!line.empty()) Command(line, now_ms);
    } else if (static_cast<unsigned char>(b) >= ' ') {
      line_ += b;
    }
  }
  flush_echo();
}

void SimModem::Deliver(const std::string& slot, const Message& message, std::int64_t now_ms,
                       bool between_lines) {
  slots[slot] = message;
  whole_.erase(slot);
  failures_.erase(slot);
  Chunk notice{now_ms, Lines("\r\n+CMTI: \"SM\"," + slot + "\r\n")};
  notice.notice = slot;
  notice.between_lines = between_lines;
  Unsolicited(std::move(notice));
}

void SimModem::Say(const std::string& bytes, std::int64_t at_ms, bool between_lines) {
  Chunk said{at_ms, Lines(bytes)};
  said.between_lines = between_lines;
  Unsolicited(std::move(said));
}

void SimModem::Unsolicited(Chunk chunk) {
  const auto later =
      std::upper_bound(unsolicited_.begin(), unsolicited_.end(), chunk.ready_at,
                       [](std::int64_t at, const Chunk& queued) { return at < queued.ready_at; });
  unsolicited_.insert(later, std::move(chunk));
}

std::string SimModem::Output(std::int64_t now_ms) {
  std::string out;
  for (const Piece& piece : OutputPieces(now_ms)) out += piece.bytes;
  return out;
}

std::vector<SimModem::Piece> SimModem::OutputPieces(std::int64_t now_ms) {
  std::vector<Piece> out;
  if (restart_at_ && *restart_at_ <= now_ms) {
    Transmit(*restart_at_, out);
    FireRestart(now_ms);
  }
  Transmit(now_ms, out);
  return out;
}

void SimModem::Transmit(std::int64_t until_ms, std::vector<Piece>& out) {
  for (;;) {
    while (!in_flight_.empty() && in_flight_.front().at_ms <= until_ms) {
      Note(in_flight_.front().at_ms, "< " + Printable(in_flight_.front().bytes));
      out.push_back(std::move(in_flight_.front()));
      in_flight_.pop_front();
    }
    if (!in_flight_.empty() || !StartLine(until_ms)) return;
  }
}

bool SimModem::StartLine(std::int64_t now_ms) {
  const bool answering = !answers_.empty() && answers_.front().started;
  const std::int64_t free_at = tx_free_at_;
  const auto ready = [&](const Chunk& c) { return std::max(c.ready_at, free_at); };
  std::deque<Chunk>* from = nullptr;
  if (answering) {
    // A notice or a call that is due may come between the lines of an answer.
    const bool slips_in = !unsolicited_.empty() && unsolicited_.front().between_lines &&
                          unsolicited_.front().ready_at <= free_at;
    from = slips_in ? &unsolicited_ : &answers_;
  } else if (!answers_.empty() &&
             (unsolicited_.empty() || ready(answers_.front()) < ready(unsolicited_.front()))) {
    from = &answers_;
  } else if (!unsolicited_.empty()) {
    from = &unsolicited_;
  }
  if (from == nullptr) return false;
  Chunk& chunk = from->front();
  const std::int64_t start = ready(chunk);
  if (start > now_ms) return false;
  if (!chunk.started && from == &answers_ && misbehaviour && chunk.lines.size() > 2) {
    if (misbehaviour->Chance(misbehaviour->ring_inside_percent)) Say("\r\nRING\r\n", start, true);
    if (land_between_lines && misbehaviour->Chance(misbehaviour->notice_inside_percent))
      land_between_lines(start);
  }
  chunk.started = true;
  const std::string line = std::move(chunk.lines.front());
  chunk.lines.pop_front();
  const bool last = chunk.lines.empty();
  Send(line, start, chunk, last);
  if (last) {
    if (!chunk.read_slot.empty()) {
      whole_.insert(chunk.read_slot);
      if (!chunk.lost) failures_.erase(chunk.read_slot);
    }
    if (chunk.prompt) prompt_given_ = true;
    if (chunk.in_hand) in_hand_.clear();
    from->pop_front();
  }
  return true;
}

void SimModem::Send(const std::string& line, std::int64_t at, const Chunk& chunk, bool last) {
  // Line speed: about a byte a millisecond at 9600 baud.
  const std::string announces = last ? chunk.notice : std::string();
  if (!misbehaviour || !misbehaviour->Chance(misbehaviour->cut_percent)) {
    in_flight_.push_back({at, line, announces});
    tx_free_at_ = at + static_cast<std::int64_t>(line.size());
    return;
  }
  for (std::size_t from = 0; from < line.size();) {
    const auto size = static_cast<std::size_t>(
        misbehaviour->Between(1, static_cast<std::int64_t>(line.size() - from)));
    const bool end = from + size == line.size();
    in_flight_.push_back({at, line.substr(from, size), end ? announces : std::string()});
    at += static_cast<std::int64_t>(size);
    if (!end) {
      at += misbehaviour->Chance(70) ? misbehaviour->Between(0, 5)
                                     : misbehaviour->Between(5, misbehaviour->max_gap_ms);
    }
    from += size;
  }
  tx_free_at_ = at;
}

void SimModem::Restart(std::int64_t now_ms) {
  if (!in_hand_.empty()) ++failures_[in_hand_];
  Note(now_ms, "! restart");
  Forget();
  tx_free_at_ = now_ms;
  booting_until_ = now_ms + (misbehaviour ? misbehaviour->Between(300, 1500) : start_up_ms);
  Say("^SYSSTART\r\n", booting_until_);
}

void SimModem::Forget() {
  answers_.clear();
  unsolicited_.clear();
  in_flight_.clear();
  line_.clear();
  after_cr_ = false;
  in_prompt_ = false;
  prompt_given_ = false;
  in_hand_.clear();
  restart_at_.reset();
  echo = true;
}

void SimModem::LineLost(std::int64_t now_ms) {
  if (!in_hand_.empty()) ++failures_[in_hand_];
  for (Chunk& chunk : answers_) chunk.lost = chunk.lost || chunk.in_hand;
  Note(now_ms, "! line lost");
}

int SimModem::Count(std::string_view command_start) const {
  return static_cast<int>(std::count_if(commands.begin(), commands.end(), [&](const auto& c) {
    return std::string_view(c).starts_with(command_start);
  }));
}

bool SimModem::FailureCapInHand() const {
  if (misbehaviour == nullptr) return false;
  return std::any_of(failures_.begin(), failures_.end(), [&](const auto& failed) {
    return failed.second >= misbehaviour->max_failures_in_a_row && slots.count(failed.first) != 0;
  });
}

void SimModem::FireRestart(std::int64_t now_ms) {
  if (!restart_at_ || *restart_at_ > now_ms) return;
  if (FailureCapInHand()) {
    *restart_at_ += 1000;  // not now: the slot in hand has failed often enough
    return;
  }
  const std::int64_t at = *restart_at_;
  restart_at_.reset();
  Restart(at);
}

std::int64_t SimModem::Delay(bool may_be_overdue) {
  if (!misbehaviour) return answer_delay_ms;
  Misbehaviour& m = *misbehaviour;
  const int draw = m.Percent();
  if (may_be_overdue && draw < m.overdue_percent) return m.Between(6000, 12000);
  if (draw < m.overdue_percent + m.late_percent) return m.Between(1000, 3000);
  return m.Between(20, 900);
}

bool SimModem::MayFail(const std::string& slot) const {
  if (!misbehaviour) return false;
  const auto failed = failures_.find(slot);
  return failed == failures_.end() || failed->second < misbehaviour->max_failures_in_a_row;
}

void SimModem::Answer(const std::string& bytes, std::int64_t ready_at) {
  answers_.push_back({std::max(ready_at, hold_answers_until_ms), Lines(bytes)});
}

void SimModem::AnswerRead(const std::string& slot, std::int64_t now_ms) {
  if (unanswered_slots.count(slot) != 0) return;
  const auto found = slots.find(slot);
  if (found == slots.end()) {
    Answer(EmptySlotAnswer(empty_slot), now_ms + Delay(true));
    return;
  }
  in_hand_ = slot;
  const bool may_fail = MayFail(slot);
  const std::int64_t delay = Delay(may_fail);
  std::string answer = ReadAnswer(found->second);
  bool whole = true;
  if (may_fail && misbehaviour->Chance(misbehaviour->read_error_percent)) {
    answer = misbehaviour->Chance(50) ? "\r\nERROR\r\n" : "\r\n+CMS ERROR: 500\r\n";
    whole = false;
  } else if (may_fail && misbehaviour->Chance(misbehaviour->read_cut_short_percent)) {
    answer.resize(answer.find('\n', 2) + 1);
    whole = false;
  }
  if (auto half = half_answers.find(slot); half != half_answers.end() && half->second > 0) {
    --half->second;
    answer.resize(answer.find('\n', 2) + 1);
    whole = false;
  }
  if (!whole || delay >= kOverdueMs) ++failures_[slot];
  Chunk chunk{std::max(now_ms + delay, hold_answers_until_ms), Lines(answer)};
  if (whole) chunk.read_slot = slot;
  chunk.in_hand = true;
  chunk.lost = delay >= kOverdueMs;
  answers_.push_back(std::move(chunk));
}

void SimModem::AnswerDelete(const std::string& slot, std::int64_t now_ms) {
  const bool may_fail = MayFail(slot);
  const std::int64_t delay = Delay(may_fail);
  in_hand_ = slot;
  Chunk chunk{std::max(now_ms + delay, hold_answers_until_ms), {}};
  chunk.in_hand = true;
  const bool refused = refused_deletes > 0 && refused_deletes-- > 0;
  if (refused || (may_fail && misbehaviour->Chance(misbehaviour->delete_error_percent))) {
    ++failures_[slot];
    chunk.lines =
        Lines(!refused && misbehaviour->Chance(50) ? "\r\nERROR\r\n" : "\r\n+CMS ERROR: 314\r\n");
    answers_.push_back(std::move(chunk));
    return;
  }
  if (slots.count(slot) != 0 && whole_.count(slot) == 0) {
    deleted_unread.push_back(slot);
    Note(now_ms, "! slot " + slot + " deleted unread");
  }
  slots.erase(slot);
  if (delay >= kOverdueMs) ++failures_[slot];
  chunk.lines = Lines("\r\nOK\r\n");
  answers_.push_back(std::move(chunk));
}

void SimModem::AnswerSmsCommand(const std::string& number, std::int64_t now_ms) {
  const bool refused =
      refuse_sms || (misbehaviour && misbehaviour->Chance(misbehaviour->sms_refused_percent));
  if (refused) {
    Answer("\r\n+CMS ERROR: 304\r\n", now_ms + Delay(false));
    return;
  }
  in_prompt_ = true;
  prompt_given_ = false;
  prompt_ = {number, ""};
  std::int64_t delay = Delay(false);
  if (misbehaviour) {
    if (misbehaviour->Chance(misbehaviour->prompt_never_percent)) return;  // silence
    if (misbehaviour->Chance(misbehaviour->prompt_late_percent))
      delay = misbehaviour->Between(1000, 3000);
  }
  Chunk prompt{std::max(now_ms + delay, hold_answers_until_ms), Lines("\r\n> ")};
  prompt.prompt = true;
  answers_.push_back(std::move(prompt));
}

void SimModem::Command(const std::string& line, std::int64_t now_ms) {
  commands.push_back(line);
  if (on_command) on_command(line, now_ms);
  if (misbehaviour && !restart_at_ &&
      misbehaviour->Permille() < misbehaviour->restart_after_command_permille) {
    restart_at_ = now_ms + misbehaviour->Between(100, 3000);
  }
  if (line == "AT") {
    Answer("\r\nOK\r\n", now_ms + Delay(true));
  } else if (line == "AT+CSQ") {
    Answer("\r\n+CSQ: 17,99\r\n\r\nOK\r\n", now_ms + Delay(true));
  } else if (line == "ATE0" || line == "ATE1" || line == "ATZ") {
    echo = line != "ATE0";
    Answer("\r\nOK\r\n", now_ms + Delay(true));
  } else if (const auto read = After(line, "AT+CMGR=")) {
    AnswerRead(*read, now_ms);
  } else if (const auto deleted = After(line, "AT+CMGD=")) {
    AnswerDelete(*deleted, now_ms);
  } else if (const auto number = After(line, "AT+CMGS=")) {
    AnswerSmsCommand(*number, now_ms);
  } else {
    Answer("\r\nERROR\r\n", now_ms + Delay(true));
  }
}

bool SimModemLine::Write(const std::uint8_t* data, std::size_t count) {
  if (down) return false;
  modem.Receive({reinterpret_cast<const char*>(data), count}, now());
  return true;
}

void SimModemLine::TakeArrived() {
  for (const auto& piece : modem.OutputPieces(now())) {
    const bool line_end = piece.bytes.ends_with('\n');
    if (down) {  // lost with the line
      lost_in_line_ = !line_end;
      continue;
    }
    arrived.Append(reinterpret_cast<const std::uint8_t*>(piece.bytes.data()), piece.bytes.size(),
                   piece.at_ms);
    if (!piece.announces.empty() && !lost_in_line_) {
      unread_notices_.emplace_back(piece.announces, arrived.bytes.size());
    }
    if (line_end) lost_in_line_ = false;
  }
  if (down) {
    arrived.Clear();
    unread_notices_.clear();
  }
}

std::size_t SimModemLine::Read(std::uint8_t* into, std::size_t max) {
  TakeArrived();
  if (down) return 0;
  const std::size_t taken = arrived.Take(into, max, now());
  for (auto& [slot, end] : unread_notices_) end -= std::min(end, taken);
  while (!unread_notices_.empty() && unread_notices_.front().second == 0) {
    announced.insert(unread_notices_.front().first);
    unread_notices_.pop_front();
  }
  return taken;
}

std::int64_t SimModemLine::SilentMs() {
  TakeArrived();
  return down ? 0 : arrived.SilentMs(now());
}

}  // namespace testing_support
