// An open file descriptor of the line-file routines, closed when it goes.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "common/platform_error.h"

namespace common {

// A file descriptor closed on scope exit unless Close() took it.
struct Fd {
  int fd = -1;
  explicit Fd(int value) : fd(value) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd >= 0) ::close(fd);
  }
  // Closes now and reports the result: a delayed write error may only show here.
  bool Close() {
    const int result = ::close(fd);
    fd = -1;
    return result == 0;
  }
};

// Opens a file (a new one with mode 0644 less the umask); throws PlatformError.
inline int OpenOrThrow(const std::filesystem::path& path, int flags) {
  constexpr mode_t kNewFileMode = 0644;
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC, kNewFileMode);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw FileErrorFromErrno(errno);
  return fd;
}

}  // namespace common
