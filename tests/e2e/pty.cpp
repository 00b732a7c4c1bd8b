#include "tests/e2e/pty.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace e2e {

Pty::Pty() {
  char name[256];
  if (openpty(&master, &slave, name, nullptr, nullptr) != 0) throw std::runtime_error("openpty");
  slave_name = name;
  termios raw{};
  tcgetattr(slave, &raw);
  cfmakeraw(&raw);
  tcsetattr(slave, TCSANOW, &raw);
}

Pty::~Pty() {
  if (slave >= 0) close(slave);
  if (master >= 0) close(master);
}

std::string Pty::ReadUntil(const std::string& expected, std::chrono::milliseconds limit) {
  std::string got;
  const auto end = std::chrono::steady_clock::now() + limit;
  while (got.find(expected) == std::string::npos && std::chrono::steady_clock::now() < end) {
    pollfd p{master, POLLIN, 0};
    if (poll(&p, 1, 50) > 0 && (p.revents & POLLIN)) {
      char buffer[512];
      const ssize_t n = read(master, buffer, sizeof buffer);
      if (n > 0) got.append(buffer, static_cast<size_t>(n));
    }
  }
  return got;
}

void Pty::Write(const std::string& bytes) {
  if (write(master, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    throw std::runtime_error("write to pty");
  }
}

Process::Process(const std::string& binary, const std::string& folder,
                 const std::map<std::string, std::string>& env)
    : Process(std::vector<std::string>{binary}, folder, env) {}

Process::Process(const std::vector<std::string>& command, const std::string& folder,
                 const std::map<std::string, std::string>& env) {
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
    execv(argv[0], argv.data());
    _exit(127);
  }
}

bool Process::Running() {
  int status = 0;
  return pid > 0 && waitpid(pid, &status, WNOHANG) == 0;
}

int Process::Wait(std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (pid > 0 && std::chrono::steady_clock::now() < end) {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      pid = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    usleep(20000);
  }
  return -1;
}

Process::~Process() {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 100 && Running(); ++i) usleep(20000);
  if (Running()) kill(pid, SIGKILL);
  int status = 0;
  waitpid(pid, &status, 0);
}

}  // namespace e2e
