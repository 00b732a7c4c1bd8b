// Line files: Windows-1251 text, every written line ended by CR LF.
// Reading: a line ends at CR and one LF right after it is skipped; a lone LF
// does not end a line; Ctrl-Z or the end of the file ends the data.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// The lines of a file, decoded to UTF-8. Line(i) of a missing line is empty text.
struct LineFile {
  std::vector<std::string> lines;

  // Line i, 0-based; empty past the end.
  const std::string& Line(std::size_t index) const;
  // Whether the data holds a line with this 0-based index.
  bool Has(std::size_t index) const { return index < lines.size(); }
};

// Splits raw Windows-1251 file content into decoded lines by the rule above.
// The end of the data right after a line end starts no further line.
LineFile SplitLines(std::string_view bytes);

// Encodes lines to Windows-1251, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads a whole line file. Only a regular file is read, or the one a symbolic
// link names: a pipe, a socket or a device is refused at once ("File access
// denied"), as a folder is. Throws PlatformError (for example "File not found").
LineFile ReadLineFile(const std::filesystem::path& path);

// What a reader of a settings or plan file takes, whatever the file holds: no
// setting comes near these, and a wrong file costs no more time or memory.
inline constexpr std::size_t kMaxSettingLineBytes = 4096;  // the rest of a line is skipped
inline constexpr std::size_t kMaxSettingFileBytes = 16u << 20;
inline constexpr std::size_t kAllLines = static_cast<std::size_t>(-1);

// Reads a settings or plan file as far as its first max_lines lines (kAllLines:
// all), each cut to kMaxSettingLineBytes, and no further than kMaxSettingFileBytes
// into the file. Only a regular file is read, as above. Throws PlatformError.
LineFile ReadLineFile(const std::filesystem::path& path, std::size_t max_lines);

// Replaces a file's content with these lines, through a temporary file in the
// same folder and a rename, so a failed write leaves the old file whole. A
// symbolic link is followed and the file it names is replaced; a file the user
// may not write is refused ("File access denied"). Throws PlatformError.
void WriteLineFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Appends one line and CR LF: open for appending, write, flush, close. A pipe
// that no one reads is refused at once ("File access denied"). Throws PlatformError.
void AppendLine(const std::filesystem::path& path, std::string_view line);

// Creates an empty file (or empties an existing one); a pipe that no one reads
// is refused at once, as above. Throws PlatformError.
void CreateEmptyFile(const std::filesystem::path& path);

// Whether a regular file of that name exists, a symbolic link followed (a
// folder, a pipe or a device does not count).
bool FileExists(const std::filesystem::path& path);

// Whether anything but a folder stands at that name, a symbolic link followed.
// A reader asks this to tell a missing file from one it cannot read: a pipe or a
// device counts, so it is refused as unreadable, never taken for missing and
// replaced by defaults.
bool NonFolderExists(const std::filesystem::path& path);

}  // namespace common
