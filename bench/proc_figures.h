// What a running process has cost, read from /proc: processor time (user and
// system, all threads) and resident memory.
#pragma once

#include <sys/types.h>

#include <chrono>

namespace bench {

struct CpuMark {
  double cpu_seconds = 0;  // utime + stime so far
  std::chrono::steady_clock::time_point at;
};

CpuMark MarkCpu(pid_t pid);
// Percent of one core spent between the two marks.
double CpuPercent(const CpuMark& from, const CpuMark& to);
// VmRSS in megabytes of 1024 kB; 0 when the process is gone.
double RssMegabytes(pid_t pid);
// Seconds for which every task of the machine has stalled on memory so far
// (the "full" line of /proc/pressure/memory); 0 where the kernel does not tell.
double MemoryStallSeconds();

}  // namespace bench
