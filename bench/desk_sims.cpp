#include "bench/desk_sims.h"

namespace bench {
namespace {

constexpr auto kNoticeEvery = std::chrono::seconds(4);
constexpr int kReportSlot = 3;
constexpr const char* kReportPhone = "9123456707";

}  // namespace

std::string ReportPhones() {
  std::string lines;
  for (int c = 1; c <= 16; ++c)
    lines += "1\r\n" + std::string(c == kReportChannel ? kReportPhone : "") + "\r\n";
  return lines;
}

void SimulatedModem::Take(const std::string& bytes) {
  pending_ += bytes;
  for (std::size_t end; (end = pending_.find("\r\n")) != std::string::npos;) {
    Answer(pending_.substr(0, end));
    pending_.erase(0, end + 2);
  }
  // An SMS body ends with Ctrl-Z and ESC, not with a line end.
  if (const std::size_t end = pending_.find('\x1b'); end != std::string::npos) {
    Answer(pending_.substr(0, end));
    pending_.erase(0, end + 1);
  }
}

void SimulatedModem::Answer(const std::string& command) {
  ++commands_;
  if (command.rfind("AT+CMGR=", 0) == 0) {
    if (reports_ && command == "AT+CMGR=" + std::to_string(kReportSlot)) {
      ++reports_read_;
      signal_on_ = !signal_on_;
      line_.Write("\r\n+CMGR: \"REC UNREAD\",\"+7" + std::string(kReportPhone) +
                  "\",,\"26/03/05,14:07:09+12\"\r\nObj 7." + (signal_on_ ? "1" : "0") +
                  "0000000000000000\r\n\r\nOK\r\n");
    } else {
      line_.Write("\r\n+CMGR: 0,,0\r\n\r\nOK\r\n");  // an empty slot
    }
    return;
  }
  if (command.rfind("AT+CMGS=", 0) == 0) {
    line_.Write("\r\n> ");
    return;
  }
  if (command == "AT+CSQ") {
    line_.Write("\r\n+CSQ: 17,99\r\n\r\nOK\r\n");
    return;
  }
  line_.Write("\r\nOK\r\n");
}

void SimulatedModem::Tick(Clock::time_point now) {
  if (!reports_ || now < next_notice_) return;
  next_notice_ = now + kNoticeEvery;
  line_.Write("\r\n+CMTI: \"SM\"," + std::to_string(kReportSlot) + "\r\n");
}

void SimulatedDevices::Take(const std::string& bytes) {
  pending_ += bytes;
  while (pending_.size() >= 5) {
    if (static_cast<std::uint8_t>(pending_[0]) != 0xAA) {
      pending_.erase(0, 1);
      continue;
    }
    const auto code = static_cast<std::uint8_t>(pending_[1]);
    const auto address = static_cast<std::uint8_t>(pending_[2]);
    pending_.erase(0, 5);
    if (code != 0x45 || address < 1 || address > 4) continue;  // the idle frame
    ++requests_;
    if (changing_) signals_[address] ^= 0x01;
    const std::uint8_t answer[5] = {0x55, address, 0x00, signals_[address], 0x00};
    std::uint8_t sum = 0;
    for (std::uint8_t b : answer) sum = static_cast<std::uint8_t>(sum + b);
    line_.Write(std::string(reinterpret_cast<const char*>(answer), 5) + static_cast<char>(sum));
  }
}

}  // namespace bench
