// A pseudo-terminal pair standing in for a serial device, and the real
// program started as a child process.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace e2e {

// The far end of a serial line: the test holds the master, the program opens the slave.
struct Pty {
  Pty();
  ~Pty();
  Pty(const Pty&) = delete;
  Pty& operator=(const Pty&) = delete;

  int master = -1;
  int slave = -1;  // kept open so the line stays up while the program reopens it
  std::string slave_name;

  // Reads until `expected` has arrived or the time is up; returns what arrived.
  std::string ReadUntil(const std::string& expected, std::chrono::milliseconds limit);
  void Write(const std::string& bytes);
};

// The program started in a folder with extra environment; killed at the end.
struct Process {
  Process(const std::string& binary, const std::string& folder,
          const std::map<std::string, std::string>& env);
  // A command with its arguments, the program first.
  Process(const std::vector<std::string>& command, const std::string& folder,
          const std::map<std::string, std::string>& env);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  // Whether the process is still running.
  bool Running();
  // Waits for the process to end, at most `limit`; its exit code, or -1 when it
  // did not end by itself.
  int Wait(std::chrono::milliseconds limit);

  pid_t pid = -1;
};

}  // namespace e2e
