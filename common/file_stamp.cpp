#include "common/file_stamp.h"

#include <sys/stat.h>

namespace common {
namespace {

std::int64_t Nanoseconds(const timespec& t) {
  return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

}  // namespace

FileStamp StampOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  return {true,
          static_cast<std::uint64_t>(info.st_dev),
          static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::int64_t>(info.st_size),
          Nanoseconds(info.st_mtim),
          Nanoseconds(info.st_ctim),
          static_cast<std::uint32_t>(info.st_mode)};
}

}  // namespace common
