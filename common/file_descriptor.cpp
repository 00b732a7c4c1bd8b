#include "common/file_descriptor.h"

#include <sys/stat.h>

#include <cerrno>

#include "common/platform_error.h"

namespace common {

int OpenOrThrow(const std::filesystem::path& path, int flags) {
  constexpr mode_t kNewFileMode = 0644;
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK, kNewFileMode);
  } while (fd < 0 && errno == EINTR);
  if (fd >= 0) return fd;
  if (errno == ENXIO) throw FileError(kFileAccessDenied);  // a pipe without a reader
  throw FileErrorFromErrno(errno);
}

int OpenFileForReading(const std::filesystem::path& path) {
  // The name is looked at first, so that a device is refused unopened: opening
  // one may act on it (a serial port's modem lines, a tape's position). A name
  // that does not stat is left to the open, which reports why.
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    throw FileError(kFileAccessDenied);
  }
  Fd file(OpenOrThrow(path, O_RDONLY));
  // What opened is what is read: the name may have been given to something else
  // since the look.
  if (::fstat(file.fd, &info) != 0) throw FileErrorFromErrno(errno);
  if (!S_ISREG(info.st_mode)) throw FileError(kFileAccessDenied);
  return file.Release();
}

}  // namespace common
