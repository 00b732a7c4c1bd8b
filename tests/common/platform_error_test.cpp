#include "common/platform_error.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace common {
namespace {

TEST(PlatformError, FileErrorTexts) {
  struct Case {
    int code;
    const char* text;
  };
  const Case cases[] = {
      {2, "File not found"},
      {3, "Invalid filename"},
      {4, "Too many open files"},
      {5, "File access denied"},
      {100, "Read beyond end of file"},
      {101, "Disk full"},
      {106, "Invalid numeric input"},
      {32, "I/O error 32"},
      {0, "I/O error 0"},
      {1, "I/O error 1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileErrorText(c.code), c.text);
    EXPECT_STREQ(FileError(c.code).what(), c.text);
  }
}

TEST(PlatformError, ErrnoValuesMapToFileErrorCodes) {
  struct Case {
    int errno_value;
    int code;
  };
  const Case cases[] = {
      {ENOENT, kFileNotFound},
      {ENOTDIR, kFileNotFound},
      {ENAMETOOLONG, kInvalidFilename},
      {EINVAL, kInvalidFilename},
      {EMFILE, kTooManyOpenFiles},
      {ENFILE, kTooManyOpenFiles},
      {EACCES, kFileAccessDenied},
      {EPERM, kFileAccessDenied},
      {EROFS, kFileAccessDenied},
      {EISDIR, kFileAccessDenied},
      {ENOSPC, kDiskFull},
      {EDQUOT, kDiskFull},
      {EBUSY, 32},
      {EXDEV, EXDEV},
      {ENXIO, ENXIO},
      // errno numbers that coincide with a named code must not read as it
      {EIO, 31},
      {EINTR, 31},
      {ENETUNREACH, 31},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileErrorCodeFromErrno(c.errno_value), c.code) << "errno " << c.errno_value;
  }
  EXPECT_STREQ(FileErrorFromErrno(ENOENT).what(), "File not found");
  EXPECT_STREQ(FileErrorFromErrno(EIO).what(), "I/O error 31");
  EXPECT_EQ(FileErrorFromErrno(EXDEV).what(), "I/O error " + std::to_string(EXDEV));
}

TEST(PlatformError, ErrorBoxTextAddsAFullStopAfterLettersAndDigits) {
  struct Case {
    std::string text;
    std::string shown;
  };
  const Case cases[] = {
      {"File not found", "File not found."},
      {"I/O error 32", "I/O error 32."},
      {"Готово", "Готово."},  // last byte is a UTF-8 continuation byte
      {"Done.", "Done."},
      {"Stop!", "Stop!"},
      {"(x)", "(x)"},
      {"a,", "a,"},
      {"a-", "a-"},
      {"a/", "a/."},  // '/' sorts after '.'
      {"a ", "a "},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.text), c.shown) << c.text;
}

TEST(PlatformError, ErrorBoxCaptionLowersAllButTheFirstLetter) {
  EXPECT_EQ(ErrorBoxCaption("STANMON"), "Stanmon");
  EXPECT_EQ(ErrorBoxCaption("stanmon"), "stanmon");
  EXPECT_EQ(ErrorBoxCaption("STAN-PLAN2"), "Stan-plan2");
  EXPECT_EQ(ErrorBoxCaption(""), "");
}

}  // namespace
}  // namespace common
