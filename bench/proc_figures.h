// What a running process has cost, read from /proc: processor time (user and
// system, all threads) and resident memory.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>

namespace bench {

// Time on the processor of each thread so far, to the nanosecond: the scheduler's
// own count, of which utime + stime are the same sum rounded to 10 ms, too coarse
// for a program that idles at a tenth of a percent.
struct CpuMark {
  std::map<pid_t, double> thread_seconds;
  std::chrono::steady_clock::time_point at;
};

CpuMark MarkCpu(pid_t pid);
// Percent of one core spent between the two marks by the threads alive at the
// second (a thread that ended between them is not counted).
double CpuPercent(const CpuMark& from, const CpuMark& to);
// VmRSS in megabytes of 1024 kB; 0 when the process is gone.
double RssMegabytes(pid_t pid);
// Seconds for which every task of the machine has stalled on memory so far
// (the "full" line of /proc/pressure/memory); 0 where the kernel does not tell.
double MemoryStallSeconds();

}  // namespace bench
