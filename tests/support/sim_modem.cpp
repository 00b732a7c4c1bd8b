#include "tests/support/sim_modem.h"

#include <algorithm>
#include <optional>

namespace testing_support {
namespace {

constexpr char kCtrlZ = 0x1A;
constexpr char kEsc = 0x1B;

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

}  // namespace

void SimModem::Receive(std::string_view bytes, std::int64_t now_ms) {
  for (const char b : bytes) {
    // The LF after a command line's CR belongs to that line.
    const bool line_end = after_cr_ && b == '\n';
    after_cr_ = b == '\r' && !in_prompt_;
    if (line_end) continue;
    if (echo) due_.emplace(now_ms, std::string(1, b));
    if (in_prompt_) {
      if (b == kCtrlZ) {
        sent.push_back(prompt_);
        in_prompt_ = false;
        Answer("\r\n+CMGS: 1\r\n\r\nOK\r\n", now_ms);
      } else if (b == kEsc) {
        in_prompt_ = false;  // the message is dropped
      } else {
        prompt_.text += b;
      }
    } else if (b == '\r') {
      const std::string line = line_;
      line_.clear();
      if (!line.empty()) Command(line, now_ms);
    } else if (static_cast<unsigned char>(b) >= ' ') {
      line_ += b;
    }
  }
}

void SimModem::Deliver(const std::string& slot, const Message& message, std::int64_t now_ms) {
  slots[slot] = message;
  Say("\r\n+CMTI: \"SM\"," + slot + "\r\n", now_ms);
}

void SimModem::Say(const std::string& bytes, std::int64_t at_ms) {
  due_.emplace(at_ms, bytes);
}

std::string SimModem::Output(std::int64_t now_ms) {
  std::string out;
  for (const Piece& piece : OutputPieces(now_ms)) out += piece.bytes;
  return out;
}

std::vector<SimModem::Piece> SimModem::OutputPieces(std::int64_t now_ms) {
  std::vector<Piece> out;
  const auto end = due_.upper_bound(now_ms);
  for (auto it = due_.begin(); it != end; ++it) out.push_back({it->first, it->second});
  due_.erase(due_.begin(), end);
  return out;
}

int SimModem::Count(std::string_view command_start) const {
  return static_cast<int>(std::count_if(commands.begin(), commands.end(), [&](const auto& c) {
    return std::string_view(c).starts_with(command_start);
  }));
}

void SimModem::Answer(const std::string& bytes, std::int64_t now_ms) {
  answered_until_ = std::max({now_ms + answer_delay_ms, hold_answers_until_ms, answered_until_});
  due_.emplace(answered_until_, bytes);
}

void SimModem::Restart(std::int64_t now_ms) {
  Forget();
  Say("^SYSSTART\r\n", now_ms);
}

void SimModem::Forget() {
  due_.clear();
  answered_until_ = 0;
  line_.clear();
  after_cr_ = false;
  in_prompt_ = false;
  echo = true;
}

void SimModem::Command(const std::string& line, std::int64_t now_ms) {
  commands.push_back(line);
  if (on_command) on_command(line, now_ms);
  if (line == "AT") {
    Answer("\r\nOK\r\n", now_ms);
  } else if (line == "AT+CSQ") {
    Answer("\r\n+CSQ: 17,99\r\n\r\nOK\r\n", now_ms);
  } else if (line == "ATE0" || line == "ATE1" || line == "ATZ") {
    echo = line != "ATE0";
    Answer("\r\nOK\r\n", now_ms);
  } else if (const auto read = After(line, "AT+CMGR=")) {
    if (unanswered_slots.count(*read) != 0) return;
    const auto found = slots.find(*read);
    std::string answer =
        found != slots.end() ? ReadAnswer(found->second) : EmptySlotAnswer(empty_slot);
    if (auto half = half_answers.find(*read); half != half_answers.end() && half->second > 0) {
      --half->second;
      answer.resize(answer.find('\n', 2) + 1);
    }
    Answer(answer, now_ms);
  } else if (const auto deleted = After(line, "AT+CMGD=")) {
    slots.erase(*deleted);
    Answer("\r\nOK\r\n", now_ms);
  } else if (const auto number = After(line, "AT+CMGS=")) {
    if (refuse_sms) {
      Answer("\r\n+CMS ERROR: 304\r\n", now_ms);
      return;
    }
    in_prompt_ = true;
    prompt_ = {*number, ""};
    Answer("\r\n> ", now_ms);
  } else {
    Answer("\r\nERROR\r\n", now_ms);
  }
}

bool SimModemLine::Write(const std::uint8_t* data, std::size_t count) {
  if (down) return false;
  modem.Receive({reinterpret_cast<const char*>(data), count}, now());
  return true;
}

void SimModemLine::TakeArrived() {
  for (const auto& piece : modem.OutputPieces(now())) {
    if (down) continue;
    arrived.Append(reinterpret_cast<const std::uint8_t*>(piece.bytes.data()), piece.bytes.size(),
                   piece.at_ms);
  }
  if (down) arrived.Clear();
}

std::size_t SimModemLine::Read(std::uint8_t* into, std::size_t max) {
  TakeArrived();
  if (down) return 0;
  return arrived.Take(into, max, now());
}

std::int64_t SimModemLine::SilentMs() {
  TakeArrived();
  return down ? 0 : arrived.SilentMs(now());
}

}  // namespace testing_support
