#include "stanmon/qt/serial_settings.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string_view>

namespace stanmon {
namespace {

constexpr qint32 kDefaultBaud = 9600;
constexpr int kBitsPerCharacter = 10;  // start, 8 data, stop
constexpr int kMinQuietMs = 2;
// The silence that ends an answer, in character times: the modem pauses longer
// within its answers than an RS485 device does.
constexpr int kModemQuietCharacters = 20;
constexpr int kRs485QuietCharacters = 5;
constexpr int kModemLine = 1;  // COM1
constexpr int kRs485Line = 2;  // COM2

std::string EnvOr(const std::string& name, const std::string& fallback) {
  const char* value = std::getenv(name.c_str());
  return value != nullptr && *value != '\0' ? std::string(value) : fallback;
}

qint32 ParseBaud(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  qint32 baud = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), baud);
  if (error != std::errc() || end != text.data() + text.size() || baud <= 0) return kDefaultBaud;
  return baud;
}

int QuietMs(int characters, qint32 baud) {
  const qint64 ms = qint64{characters} * kBitsPerCharacter * 1000 / baud;
  return static_cast<int>(std::max<qint64>(ms, kMinQuietMs));
}

}  // namespace

SerialSettings SerialSettingsFromEnvironment(int com_number) {
  const std::string label = "COM" + std::to_string(com_number);
  SerialSettings settings;
  settings.label = label;
  settings.device = EnvOr("STANMON_" + label, "/dev/ttyS" + std::to_string(com_number - 1));
  settings.baud = ParseBaud(EnvOr("STANMON_" + label + "_BAUD", ""));
  settings.quiet_ms = QuietMs(
      com_number == kModemLine ? kModemQuietCharacters : kRs485QuietCharacters, settings.baud);
  settings.drop_backlog = com_number == kRs485Line;
  return settings;
}

}  // namespace stanmon
