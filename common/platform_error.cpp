#include "common/platform_error.h"

#include <cerrno>
#include <cstdio>

namespace common {
namespace {

// The general failure code, for errno values that would read as a named code.
constexpr int kGeneralFailure = 31;
// The sharing violation code: the file is held by someone else.
constexpr int kSharingViolation = 32;

bool IsNamedCode(int code) {
  switch (code) {
    case kFileNotFound:
    case kInvalidFilename:
    case kTooManyOpenFiles:
    case kFileAccessDenied:
    case kReadBeyondEnd:
    case kDiskFull:
    case kInvalidNumericInput:
      return true;
    default:
      return false;
  }
}

std::string WithVisibleNuls(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    if (c == '\0') {
      shown += "^@";
    } else {
      shown += c;
    }
  }
  return shown;
}

}  // namespace

PlatformError::PlatformError(const std::string& text) : std::runtime_error(WithVisibleNuls(text)) {}

std::string FileErrorText(int code) {
  switch (code) {
    case kFileNotFound:
      return "File not found";
    case kInvalidFilename:
      return "Invalid filename";
    case kTooManyOpenFiles:
      return "Too many open files";
    case kFileAccessDenied:
      return "File access denied";
    case kReadBeyondEnd:
      return "Read beyond end of file";
    case kDiskFull:
      return "Disk full";
    case kInvalidNumericInput:
      return "Invalid numeric input";
    default: {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "I/O error %d", code);
      return buffer;
    }
  }
}

int FileErrorCodeFromErrno(int errno_value) {
  switch (errno_value) {
    case ENOENT:
    case ENOTDIR:
      return kFileNotFound;
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:  // a name the file system refuses
    case EILSEQ:
      return kInvalidFilename;
    case EMFILE:
    case ENFILE:
      return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:  // a folder where a file was meant, as the platform reports it
      return kFileAccessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return kDiskFull;
    case EBUSY:
    case ETXTBSY:
      return kSharingViolation;
    default:
      // Any other errno reads as "I/O error <errno>", unless its number is taken by a
      // named code (EIO is 5, like "File access denied"): those read as the general failure.
      return IsNamedCode(errno_value) ? kGeneralFailure : errno_value;
  }
}

PlatformError FileError(int code) {
  return PlatformError(FileErrorText(code));
}

PlatformError FileErrorFromErrno(int errno_value) {
  return FileError(FileErrorCodeFromErrno(errno_value));
}

std::string ErrorBoxText(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') return text + ".";
  return text;
}

std::string ErrorBoxCaption(const std::string& program_name) {
  std::string caption = program_name;
  for (std::size_t i = 1; i < caption.size(); ++i) {
    if (caption[i] >= 'A' && caption[i] <= 'Z')
      caption[i] = static_cast<char>(caption[i] - 'A' + 'a');
  }
  return caption;
}

}  // namespace common
