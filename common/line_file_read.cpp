// Reading line files: the bytes are cut into lines as they arrive, so a reader
// that wants only the first lines stops there.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <string>

#include "common/cp1251.h"
#include "common/file_descriptor.h"
#include "common/line_file.h"
#include "common/platform_error.h"

namespace common {
namespace {

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
  Fd file(OpenOrThrow(path, O_RDONLY));
  char buffer[65536];
  std::size_t read = 0;
  while (!cut.done && read < max_bytes) {
    const ssize_t n = ::read(file.fd, buffer, std::min(sizeof buffer, max_bytes - read));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw FileErrorFromErrno(errno);  // e.g. EISDIR for a folder
    }
    if (n == 0) break;
    read += static_cast<std::size_t>(n);
    Feed(cut, std::string_view(buffer, static_cast<std::size_t>(n)));
  }
  return Finish(cut);
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

}  // namespace common
