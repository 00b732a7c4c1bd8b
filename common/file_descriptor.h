// File descriptors of the line-file routines: closed when they go, and opened
// without waiting, whatever stands at the name.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

namespace common {

// A file descriptor closed on scope exit unless Close() or Release() took it.
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
  // Hands the descriptor over; it is no longer closed here.
  int Release() {
    const int value = fd;
    fd = -1;
    return value;
  }
};

// Opens a file (a new one with mode 0644 less the umask), never waiting: a pipe
// that no one reads, opened for writing, is refused at once ("File access
// denied") instead of holding the desk until a reader comes. Throws PlatformError.
int OpenOrThrow(const std::filesystem::path& path, int flags);

// Opens a regular file, or the one a symbolic link names, for reading. Anything
// else (a pipe, a socket, a device, a folder) is refused with "File access
// denied", and a device is not even opened. Throws PlatformError.
int OpenFileForReading(const std::filesystem::path& path);

}  // namespace common
