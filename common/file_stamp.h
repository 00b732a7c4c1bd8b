// What a file looks like from outside: enough to tell that it has been written,
// replaced, created, removed or given other permissions since it was stamped.
#pragma once

#include <cstdint>
#include <filesystem>

namespace common {

struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modified_ns = 0;
  std::int64_t changed_ns = 0;  // status change: permissions, links, renames
  std::uint32_t mode = 0;

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of a file, following symbolic links; a missing file has one too.
FileStamp StampOf(const std::filesystem::path& path);

}  // namespace common
