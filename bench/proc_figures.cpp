#include "bench/proc_figures.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace bench {

CpuMark MarkCpu(pid_t pid) {
  CpuMark mark{0, std::chrono::steady_clock::now()};
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return mark;
  // The fields after the command name, which may hold blanks, start at field 3;
  // utime and stime are fields 14 and 15.
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string field;
  unsigned long long utime = 0;
  unsigned long long stime = 0;
  for (int n = 3; n <= 15 && fields >> field; ++n) {
    if (n == 14) utime = std::stoull(field);
    if (n == 15) stime = std::stoull(field);
  }
  mark.cpu_seconds = static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
  return mark;
}

double CpuPercent(const CpuMark& from, const CpuMark& to) {
  const double wall = std::chrono::duration<double>(to.at - from.at).count();
  return wall > 0 ? 100.0 * (to.cpu_seconds - from.cpu_seconds) / wall : 0;
}

double RssMegabytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
  }
  return 0;
}

double MemoryStallSeconds() {
  std::ifstream pressure("/proc/pressure/memory");
  for (std::string line; std::getline(pressure, line);) {
    const std::size_t total = line.find("total=");
    if (line.rfind("full", 0) == 0 && total != std::string::npos)
      return std::stod(line.substr(total + 6)) / 1e6;
  }
  return 0;
}

}  // namespace bench
