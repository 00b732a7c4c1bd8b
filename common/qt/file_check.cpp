#include "common/qt/file_check.h"

#include "common/file_descriptor.h"
#include "common/platform_error.h"

namespace shell {

int OpenReadableFile(const std::string& path) {
  try {
    return common::OpenFileForReading(path);
  } catch (const common::PlatformError& e) {
    throw common::PlatformError("Cannot open file \"" + path + "\". " + e.what());
  }
}

void RequireReadableFile(const std::string& path) {
  common::Fd file(OpenReadableFile(path));
}

}  // namespace shell
