#include "monitor/settings_files.h"

#include <string>

#include "monitor/numbering.h"

namespace monitor {
namespace {

// "0" in front of 1..9; 10 and above unchanged.
std::string TwoDigits(int value) {
  return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

}  // namespace

std::vector<std::string> DefaultSignalTable() {
  std::vector<std::string> lines;
  for (int n = 0; n <= 256; ++n) {
    lines.push_back(TwoDigits(n / 16 + 1) + "_" + TwoDigits(n % 16 + 1));
    lines.push_back(std::to_string(n));
  }
  return lines;
}

std::vector<std::string> DefaultObjectNames() {
  std::vector<std::string> lines;
  for (int c = 1; c <= kChannels; ++c) lines.push_back(" ЦТП " + std::to_string(c));
  return lines;
}

std::vector<std::string> DefaultOperatorList() {
  return {"Иванов", "Петров", "Сидоров", "Кузнецов", "Смирнов", "Васильев"};
}

std::vector<std::string> DefaultBalances() {
  std::vector<std::string> lines(kChannels, kDefaultBalance);
  lines.push_back(kDefaultSmsPrice);
  return lines;
}

std::vector<std::string> DefaultChannelPhones() {
  return std::vector<std::string>(32);
}

std::vector<std::string> DefaultSupportPhones() {
  return {""};
}

std::vector<std::string> DefaultHelp() {
  return {" Файл помощи help.txt "};
}

}  // namespace monitor
