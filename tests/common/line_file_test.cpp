#include "common/line_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "common/file_descriptor.h"
#include "common/platform_error.h"
#include "tests/support/pipe_watchdog.h"

namespace common {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

TEST(SplitLines, EndsLinesAtCarriageReturns) {
  struct Case {
    std::string bytes;
    Lines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\rb", {"a", "b"}},
      {"a\r\rb\r", {"a", "", "b"}},
      {"\r", {""}},
      {"a\n b\r\n", {"a\n b"}},  // a lone LF is part of the line
      {"\r\n\n", {"", "\n"}},    // only one LF after the CR is skipped
      {"\n", {"\n"}},
      {"a\r\n\x1a junk\r\n", {"a"}},  // Ctrl-Z ends the data
      {"ab\x1a", {"ab"}},
      {"\x1a"
       "a",
       {}},
      {"\xCF\xF0\xE8\xE5\xEC\r\n\xB9 5", {"Прием", "№ 5"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitLines(c.bytes).lines, c.lines) << c.bytes;
}

TEST(SplitLines, MissingLinesReadAsEmpty) {
  const LineFile file = SplitLines("a\r\nb\r\n");
  EXPECT_TRUE(file.Has(1));
  EXPECT_FALSE(file.Has(2));
  EXPECT_EQ(file.Line(1), "b");
  EXPECT_EQ(file.Line(2), "");
  EXPECT_EQ(file.Line(1000), "");
}

TEST(JoinLines, EncodesAndEndsEveryLineWithCrLf) {
  EXPECT_EQ(JoinLines({}), "");
  EXPECT_EQ(JoinLines({""}), "\r\n");
  EXPECT_EQ(JoinLines({"При", "", "x"}), "\xCF\xF0\xE8\r\n\r\nx\r\n");
  const Lines lines = {"Зона 1", "", "日"};
  EXPECT_EQ(SplitLines(JoinLines(lines)).lines, (Lines{"Зона 1", "", "?"}));
}

class LineFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = fs::temp_directory_path() / "line_file_test.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Path(const char* name) const { return dir_ / name; }

  static void Put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Names in the folder (or in one of its folders), to see that no temporary file is left.
  std::vector<std::string> Names(const char* folder = "") const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_ / folder))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  static std::string ErrorOf(const std::function<void()>& step) {
    try {
      step();
    } catch (const PlatformError& e) {
      return e.what();
    }
    return "no error";
  }

  fs::path dir_;
};

TEST_F(LineFileOnDisk, WriteReplacesTheFileAndReadGivesTheLinesBack) {
  const fs::path file = Path("zones.txt");
  Put(file, "old line one\r\nold line two\r\nold line three\r\n");
  WriteLineFile(file, {"Зона", "", "2"});
  EXPECT_EQ(Bytes(file), "\xC7\xEE\xED\xE0\r\n\r\n2\r\n");
  EXPECT_EQ(ReadLineFile(file).lines, (Lines{"Зона", "", "2"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"zones.txt"}));
}

TEST_F(LineFileOnDisk, WriteKeepsThePermissionsOfTheReplacedFile) {
  const fs::path file = Path("private.txt");
  Put(file, "x\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  WriteLineFile(file, {"y"});
  EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(LineFileOnDisk, FailuresReportTheFileErrorText) {
  EXPECT_EQ(ErrorOf([&] { ReadLineFile(Path("missing.txt")); }), "File not found");
  EXPECT_EQ(ErrorOf([&] { ReadLineFile(dir_ / "no" / "x.txt"); }), "File not found");
  EXPECT_EQ(ErrorOf([&] { ReadLineFile(dir_); }), "File access denied");
  EXPECT_EQ(ErrorOf([&] { WriteLineFile(dir_ / "no" / "x.txt", {"a"}); }), "File not found");
  EXPECT_EQ(ErrorOf([&] { AppendLine(dir_ / "no" / "x.txt", "a"); }), "File not found");
  EXPECT_EQ(ErrorOf([&] { AppendLine(dir_, "a"); }), "File access denied");
  EXPECT_EQ(ErrorOf([&] { CreateEmptyFile(dir_ / "no" / "x.txt"); }), "File not found");
  EXPECT_EQ(ErrorOf([&] { ReadLineFile(dir_ / std::string(300, 'n')); }), "Invalid filename");
}

TEST_F(LineFileOnDisk, FailedRenameRemovesTheTemporaryFile) {
  fs::create_directory(Path("target"));
  EXPECT_EQ(ErrorOf([&] { WriteLineFile(Path("target"), {"a"}); }), "File access denied");
  EXPECT_EQ(Names(), (std::vector<std::string>{"target"}));
}

// Runs a step in a death-test child: prints its error text and ends the child.
[[noreturn]] void PrintErrorOf(const std::function<void()>& step) {
  try {
    step();
    std::fprintf(stderr, "no error");
  } catch (const PlatformError& e) {
    std::fprintf(stderr, "%s", e.what());
  }
  std::_Exit(0);
}

// Runs a step in a child process whose files may not grow beyond `limit` bytes, so a
// write fails part way as on a full disk. The child prints the error text.
void RunWithFileSizeLimit(rlim_t limit, const std::function<void()>& step) {
  ::signal(SIGXFSZ, SIG_IGN);
  const rlimit cap{limit, limit};
  ::setrlimit(RLIMIT_FSIZE, &cap);
  PrintErrorOf(step);
}

// Runs a step in a child process as a user bound by file permissions: the tests'
// own user, or "nobody" when they run as root, who may write any file.
void RunUnprivileged(const std::function<void()>& step) {
  constexpr uid_t kNobody = 65534;
  if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) std::_Exit(1);
  PrintErrorOf(step);
}

TEST_F(LineFileOnDisk, FailedWriteLeavesTheOldFileWhole) {
  const fs::path file = Path("plan.txt");
  Put(file, "keep\r\n");
  EXPECT_EXIT(RunWithFileSizeLimit(16, [&] { WriteLineFile(file, {std::string(100, 'x')}); }),
              ::testing::ExitedWithCode(0), "^Disk full$");
  EXPECT_EQ(Bytes(file), "keep\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"plan.txt"}));
}

TEST_F(LineFileOnDisk, ASettingsReaderTakesOnlyTheLinesItUsesEachCutShort) {
  const std::string cut(kMaxSettingLineBytes, 'y');
  struct Case {
    std::string bytes;
    std::size_t max_lines;
    Lines lines;
  };
  const Case cases[] = {
      {"a\r\nb\r\nc\r\n", 2, {"a", "b"}},
      {"a\r\n", 2, {"a"}},
      {"a\r\nb", 5, {"a", "b"}},
      {"a\x1a\r\nb\r\n", 5, {"a"}},
      {"a\r\nb\r\n", kAllLines, {"a", "b"}},
      {cut + "yyy\r\nnext\r\n", 5, {cut, "next"}},
      // The line end falls across two reads of the file.
      {std::string(65535, 'y') + "\r\nz", 5, {cut, "z"}},
      // LF line ends: one long line, of which only the first bytes are kept.
      {std::string(1 << 20, '\n'), 32, {std::string(kMaxSettingLineBytes, '\n')}},
  };
  for (const Case& c : cases) {
    Put(Path("tab.txt"), c.bytes);
    EXPECT_EQ(ReadLineFile(Path("tab.txt"), c.max_lines).lines, c.lines) << c.bytes.substr(0, 20);
  }

  // Nothing beyond the first 16 MiB of a file is read.
  Put(Path("big.txt"), "a\r\n");
  fs::resize_file(Path("big.txt"), kMaxSettingFileBytes);
  std::ofstream(Path("big.txt"), std::ios::app | std::ios::binary) << "\r\nlast\r\n";
  const LineFile big = ReadLineFile(Path("big.txt"), kAllLines);
  ASSERT_EQ(big.lines.size(), 2u);
  EXPECT_EQ(big.Line(1), std::string(kMaxSettingLineBytes, '\0'));
}

TEST_F(LineFileOnDisk, AFileTheUserMayNotWriteIsNotReplaced) {
  fs::permissions(dir_, fs::perms::all);  // the folder itself may be written
  const fs::path file = Path("tab1.txt");
  Put(file, "keep\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EXIT(RunUnprivileged([&] { WriteLineFile(file, {"new"}); }), ::testing::ExitedWithCode(0),
              "^File access denied$");
  EXPECT_EQ(Bytes(file), "keep\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"tab1.txt"}));
}

TEST_F(LineFileOnDisk, WriteThroughALinkReplacesTheFileItNamesInItsOwnFolder) {
  fs::create_directory(Path("shared"));
  Put(Path("shared") / "tab4.txt", "old\r\n");
  fs::create_symlink(fs::path("shared") / "tab4.txt", Path("tab4.txt"));
  fs::create_symlink("chain", Path("twice.txt"));
  fs::create_symlink(fs::path("shared") / "new.txt", Path("chain"));  // names no file yet

  WriteLineFile(Path("tab4.txt"), {"Иванов"});
  WriteLineFile(Path("twice.txt"), {"x"});

  EXPECT_TRUE(fs::is_symlink(Path("tab4.txt")));
  EXPECT_EQ(Bytes(Path("shared") / "tab4.txt"), "\xC8\xE2\xE0\xED\xEE\xE2\r\n");
  EXPECT_TRUE(fs::is_symlink(Path("twice.txt")));
  EXPECT_EQ(Bytes(Path("shared") / "new.txt"), "x\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"chain", "shared", "tab4.txt", "twice.txt"}));
  EXPECT_EQ(Names("shared"), (std::vector<std::string>{"new.txt", "tab4.txt"}));

  fs::create_symlink("loop.txt", Path("loop.txt"));
  EXPECT_EQ(ErrorOf([&] { WriteLineFile(Path("loop.txt"), {"a"}); }), "Invalid filename");
}

TEST_F(LineFileOnDisk, AppendAddsLinesAndKeepsWhatWasThere) {
  const fs::path file = Path("log.txt");
  AppendLine(file, "Тревога");
  AppendLine(file, "");
  EXPECT_EQ(Bytes(file), "\xD2\xF0\xE5\xE2\xEE\xE3\xE0\r\n\r\n");

  Put(file, "no line end");
  AppendLine(file, "next");
  EXPECT_EQ(Bytes(file),
            "no line end"
            "next\r\n");
}

TEST_F(LineFileOnDisk, AppendCreatesFilesWithTheUsualMode) {
  const mode_t mask = ::umask(022);
  AppendLine(Path("new.txt"), "a");
  ::umask(mask);
  struct stat info {};
  ASSERT_EQ(::stat(Path("new.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(LineFileOnDisk, FailedAppendTakesBackThePartialLineOnly) {
  const fs::path file = Path("log.txt");
  Put(file, "first\r\n");
  EXPECT_EXIT(RunWithFileSizeLimit(10, [&] { AppendLine(file, "second line"); }),
              ::testing::ExitedWithCode(0), "^Disk full$");
  EXPECT_EQ(Bytes(file), "first\r\n");
}

TEST_F(LineFileOnDisk, AppendToAFullDeviceReportsDiskFull) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(ErrorOf([] { AppendLine("/dev/full", "a"); }), "Disk full");
}

TEST_F(LineFileOnDisk, CreateEmptyFileCreatesOrEmpties) {
  const fs::path file = Path("list.txt");
  CreateEmptyFile(file);
  EXPECT_TRUE(FileExists(file));
  EXPECT_EQ(Bytes(file), "");
  Put(file, "a\r\nb\r\n");
  CreateEmptyFile(file);
  EXPECT_EQ(Bytes(file), "");
}

TEST_F(LineFileOnDisk, FileExistsOnlyForFilesAndAPipeOrADeviceIsNoMissingFile) {
  Put(Path("file"), "x");
  fs::create_directory(Path("folder"));
  fs::create_symlink(Path("file"), Path("link"));
  fs::create_symlink(Path("gone"), Path("dangling"));
  testing_support::MakePipe(Path("pipe"));
  fs::create_symlink("/dev/zero", Path("device"));
  struct Case {
    const char* name;
    bool file, non_folder;
  };
  const Case cases[] = {
      {"file", true, true},       {"link", true, true},      {"folder", false, false},
      {"dangling", false, false}, {"missing", false, false}, {"pipe", false, true},
      {"device", false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileExists(Path(c.name)), c.file) << c.name;
    EXPECT_EQ(NonFolderExists(Path(c.name)), c.non_folder) << c.name;
  }
}

// A pipe's reader would wait in open() for a writer, a device's would read what it
// gives; either would hold the desk. The guard lets a waiting step go on, so that
// this fails instead of hanging.
TEST_F(LineFileOnDisk, ReadersRefuseAPipeOrADeviceAtOnceAndLeaveItAsItIs) {
  testing_support::MakePipe(Path("pipe.txt"));
  fs::create_symlink(Path("pipe.txt"), Path("to_pipe.txt"));
  fs::create_symlink("/dev/null", Path("null.txt"));
  fs::create_symlink("/dev/zero", Path("zero.txt"));
  Put(Path("file.txt"), "a\r\n");
  fs::create_symlink(Path("file.txt"), Path("to_file.txt"));
  struct Case {
    const char* reader;
    std::function<LineFile(const fs::path&)> read;
    std::vector<const char*> refused;
  };
  // /dev/zero would feed a whole-file reader without end; the bounded ones meet it.
  const Case cases[] = {
      {"whole file",
       [](const fs::path& p) { return ReadLineFile(p); },
       {"pipe.txt", "to_pipe.txt", "null.txt"}},
      {"settings file",
       [](const fs::path& p) { return ReadLineFile(p, kAllLines); },
       {"pipe.txt", "to_pipe.txt", "null.txt", "zero.txt"}},
      {"first lines",
       [](const fs::path& p) { return ReadLineFile(p, 2); },
       {"pipe.txt", "to_pipe.txt", "null.txt", "zero.txt"}},
  };
  for (const Case& c : cases) {
    for (const char* name : c.refused) {
      const testing_support::PipeWatchdog guard({Path("pipe.txt")});
      EXPECT_EQ(ErrorOf([&] { c.read(Path(name)); }), "File access denied") << c.reader << name;
    }
    EXPECT_EQ(c.read(Path("to_file.txt")).lines, Lines{"a"}) << c.reader;
  }
  EXPECT_TRUE(testing_support::IsPipe(Path("pipe.txt")));
  EXPECT_EQ(fs::read_symlink(Path("zero.txt")), "/dev/zero");
}

TEST_F(LineFileOnDisk, WritersNeverWaitForAPipesReader) {
  const fs::path pipe = Path("pipe.txt");
  testing_support::MakePipe(pipe);
  {
    const testing_support::PipeWatchdog guard({pipe});
    EXPECT_EQ(ErrorOf([&] { AppendLine(pipe, "a"); }), "File access denied");
    EXPECT_EQ(ErrorOf([&] { CreateEmptyFile(pipe); }), "File access denied");
  }
  EXPECT_TRUE(testing_support::IsPipe(pipe));

  // With a reader at its other end a pipe takes the line, as it always has.
  Fd reader(::open(pipe.c_str(), O_RDONLY | O_NONBLOCK));
  AppendLine(pipe, "a");
  char got[8] = {};
  EXPECT_EQ(::read(reader.fd, got, sizeof got), 3);
  EXPECT_STREQ(got, "a\r\n");

  // A rewrite renames a new file over whatever stood there.
  WriteLineFile(pipe, {"b"});
  EXPECT_EQ(Bytes(pipe), "b\r\n");
}

}  // namespace
}  // namespace common
