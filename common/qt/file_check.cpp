#include "common/qt/file_check.h"

#include <cerrno>
#include <cstdio>

#include "common/platform_error.h"

namespace shell {

void RequireReadableFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file != nullptr) {
    std::fclose(file);
    return;
  }
  const int code = common::FileErrorCodeFromErrno(errno);
  throw common::PlatformError("Cannot open file \"" + path + "\". " + common::FileErrorText(code));
}

}  // namespace shell
