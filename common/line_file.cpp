#include "common/line_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <string>

#include "common/cp1251.h"
#include "common/file_descriptor.h"
#include "common/platform_error.h"

namespace common {
namespace {

// Reading: the bytes are cut into lines as they arrive, so a reader that wants
// only the first lines stops there.
constexpr char kEndOfData = '\x1A';  // Ctrl-Z
constexpr std::size_t kUnlimited = std::numeric_limits<std::size_t>::max();

// Cuts Windows-1251 bytes into lines by the rule of line files, keeping at most
// max_lines lines and at most max_line_bytes bytes of each.
struct LineCutter {
  std::size_t max_lines = kUnlimited;
  std::size_t max_line_bytes = kUnlimited;
  std::vector<std::string> lines;  // still Windows-1251
  std::string line;                // the line being cut
  bool in_line = false;            // the line being cut has begun
  bool after_cr = false;           // a LF that comes now belongs to the last line end
  bool done = false;               // Ctrl-Z came, or enough lines
};

void Feed(LineCutter& cut, std::string_view bytes) {
  while (!bytes.empty() && !cut.done) {
    if (cut.after_cr) {
      cut.after_cr = false;
      if (bytes.front() == '\n') bytes.remove_prefix(1);
      continue;
    }
    const std::size_t end = bytes.find_first_of("\r\x1A");
    const std::string_view part = bytes.substr(0, end);
    if (cut.line.size() < cut.max_line_bytes)
      cut.line.append(part.substr(0, cut.max_line_bytes - cut.line.size()));
    cut.in_line = cut.in_line || !part.empty();
    if (end == std::string_view::npos) return;
    if (bytes[end] == kEndOfData) {
      cut.done = true;
      return;
    }
    cut.lines.push_back(std::move(cut.line));
    cut.line.clear();
    cut.in_line = false;
    cut.after_cr = true;
    cut.done = cut.lines.size() >= cut.max_lines;
    bytes.remove_prefix(end + 1);
  }
}

// The end of the data right after a line end starts no further line.
LineFile Finish(LineCutter& cut) {
  if (cut.in_line && cut.lines.size() < cut.max_lines) cut.lines.push_back(std::move(cut.line));
  LineFile file;
  file.lines.reserve(cut.lines.size());
  for (const std::string& line : cut.lines) file.lines.push_back(Cp1251ToUtf8(line));
  return file;
}

// Feeds a file's bytes to the cutter until it is done, the file ends, or
// max_bytes have been read.
LineFile Read(const std::filesystem::path& path, LineCutter cut, std::size_t max_bytes) {
  Fd file(OpenFileForReading(path));
  char buffer[65536];
  std::size_t read = 0;
  while (!cut.done && read < max_bytes) {
    const ssize_t n = ::read(file.fd, buffer, std::min(sizeof buffer, max_bytes - read));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileErrorFromErrno(errno);
    }
    if (n == 0) break;
    read += static_cast<std::size_t>(n);
    Feed(cut, std::string_view(buffer, static_cast<std::size_t>(n)));
  }
  return Finish(cut);
}

// Writes all bytes; false with errno set on failure. *written counts what went out.
bool WriteAll(int fd, std::string_view bytes, std::size_t* written) {
  *written = 0;
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
    *written += static_cast<std::size_t>(n);
  }
  return true;
}

bool FsyncRetrying(int fd) {
  int result;
  do {
    result = ::fsync(fd);
  } while (result < 0 && errno == EINTR);
  return result == 0;
}

// The file that a write through this path replaces: a symbolic link is followed
// to the file it names, so the link stays a link and the file is replaced in its
// own folder, as a direct open for writing would write it.
std::filesystem::path FollowLinks(std::filesystem::path path) {
  constexpr int kMaxLinks = 40;  // as the kernel follows them; more is a loop
  for (int followed = 0; followed <= kMaxLinks; ++followed) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) throw FileErrorFromErrno(error.value());
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  throw FileErrorFromErrno(ELOOP);
}

// A rename replaces a file whatever its permissions, so a file that the user may
// not write is refused here, with the error a direct open for writing would give.
void CheckMayWrite(const std::filesystem::path& path) {
  if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT) {
    throw FileErrorFromErrno(errno);
  }
}

// Makes a rename in the folder durable. A folder that cannot be synced only loses
// that guarantee, so failures are ignored.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  FsyncRetrying(fd);
  ::close(fd);
}

}  // namespace

const std::string& LineFile::Line(std::size_t index) const {
  static const std::string kEmpty;
  return index < lines.size() ? lines[index] : kEmpty;
}

LineFile SplitLines(std::string_view bytes) {
  LineCutter cut;
  Feed(cut, bytes);
  return Finish(cut);
}

LineFile ReadLineFile(const std::filesystem::path& path) {
  return Read(path, LineCutter{}, kUnlimited);
}

LineFile ReadLineFile(const std::filesystem::path& path, std::size_t max_lines) {
  LineCutter cut;
  cut.max_lines = max_lines;
  cut.max_line_bytes = kMaxSettingLineBytes;
  return Read(path, std::move(cut), kMaxSettingFileBytes);
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += Utf8ToCp1251(line);
    out += "\r\n";
  }
  return out;
}

void WriteLineFile(const std::filesystem::path& link_or_file,
                   const std::vector<std::string>& lines) {
  const std::filesystem::path path = FollowLinks(link_or_file);
  CheckMayWrite(path);
  std::filesystem::path temp = path;
  temp += ".tmp" + std::to_string(::getpid());
  const std::string bytes = JoinLines(lines);

  Fd file(OpenOrThrow(temp, O_WRONLY | O_CREAT | O_TRUNC));
  auto fail = [&temp](int error) {
    ::unlink(temp.c_str());
    return FileErrorFromErrno(error);
  };
  // The new file keeps the permissions of the one it replaces.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
      ::fchmod(file.fd, old.st_mode & 07777) != 0) {
    const int error = errno;
    file.Close();
    throw fail(error);
  }
  std::size_t written = 0;
  if (!WriteAll(file.fd, bytes, &written) || !FsyncRetrying(file.fd)) {
    const int error = errno;
    file.Close();
    throw fail(error);
  }
  if (!file.Close()) throw fail(errno);
  if (::rename(temp.c_str(), path.c_str()) != 0) throw fail(errno);
  SyncFolder(path.parent_path());
}

void AppendLine(const std::filesystem::path& path, std::string_view line) {
  Fd file(OpenOrThrow(path, O_WRONLY | O_APPEND | O_CREAT));
  struct stat before {};
  const bool size_known = ::fstat(file.fd, &before) == 0;
  std::string bytes = Utf8ToCp1251(line);
  bytes += "\r\n";
  std::size_t written = 0;
  if (!WriteAll(file.fd, bytes, &written)) {
    const int error = errno;
    // Take back a partly written line so the next line does not run into it, but only
    // while the file ends with it: what was there before, or was appended by someone
    // else meanwhile, is never cut.
    struct stat after {};
    if (written > 0 && size_known && ::fstat(file.fd, &after) == 0 && S_ISREG(after.st_mode) &&
        after.st_size == before.st_size + static_cast<off_t>(written) &&
        ::ftruncate(file.fd, before.st_size) != 0) {
      // The partial line stays; the error to report is the write's.
    }
    throw FileErrorFromErrno(error);
  }
  if (!file.Close()) throw FileErrorFromErrno(errno);
}

void CreateEmptyFile(const std::filesystem::path& path) {
  Fd file(OpenOrThrow(path, O_WRONLY | O_CREAT | O_TRUNC));
  if (!file.Close()) throw FileErrorFromErrno(errno);
}

bool FileExists(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool NonFolderExists(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

}  // namespace common
