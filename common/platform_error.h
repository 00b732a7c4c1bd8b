// The one error type: a failed file step or a bad number, carrying the text
// that the error box shows.
#pragma once

#include <stdexcept>
#include <string>

namespace common {

struct PlatformError : std::runtime_error {
  // The text travels as a C string, which a NUL (a byte read from a file) would
  // end: each NUL is carried as "^@", as less and vim show it, instead.
  explicit PlatformError(const std::string& text);
};

// File error codes and their texts: 2 "File not found", 3 "Invalid filename",
// 4 "Too many open files", 5 "File access denied", 100 "Read beyond end of file",
// 101 "Disk full", 106 "Invalid numeric input", any other "I/O error %d".
enum FileErrorCode : int {
  kFileNotFound = 2,
  kInvalidFilename = 3,
  kTooManyOpenFiles = 4,
  kFileAccessDenied = 5,
  kReadBeyondEnd = 100,
  kDiskFull = 101,
  kInvalidNumericInput = 106,
};

std::string FileErrorText(int code);

// The file error code for an errno value (ENOENT -> 2, EACCES -> 5, ENOSPC -> 101 ...).
int FileErrorCodeFromErrno(int errno_value);

// A PlatformError with the text of a file error code / of an errno value.
PlatformError FileError(int code);
PlatformError FileErrorFromErrno(int errno_value);

// The text of the error box: the error's text with "." added where its last
// character sorts after the full stop.
std::string ErrorBoxText(const std::string& text);

// The caption of the error box: the program's name with its letters after the
// first in lower case ("STANMON" -> "Stanmon").
std::string ErrorBoxCaption(const std::string& program_name);

}  // namespace common
