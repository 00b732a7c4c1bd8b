#include "bench/proc_figures.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace bench {

CpuMark MarkCpu(pid_t pid) {
  CpuMark mark{{}, std::chrono::steady_clock::now()};
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    unsigned long long ns = 0;
    if (schedstat >> ns) mark.thread_seconds[std::stoi(task.path().filename())] = ns / 1e9;
  }
  return mark;
}

double CpuPercent(const CpuMark& from, const CpuMark& to) {
  const double wall = std::chrono::duration<double>(to.at - from.at).count();
  double spent = 0;
  for (const auto& [tid, seconds] : to.thread_seconds) {
    const auto before = from.thread_seconds.find(tid);
    spent += seconds - (before != from.thread_seconds.end() ? before->second : 0);
  }
  return wall > 0 ? 100.0 * spent / wall : 0;
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
