#include "tests/support/pipe_watchdog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <system_error>

namespace testing_support {
namespace {

// Far longer than any step that does not wait takes, even under the sanitizers.
constexpr auto kGrace = std::chrono::seconds(3);
constexpr auto kRelease = std::chrono::milliseconds(20);

}  // namespace

void MakePipe(const std::filesystem::path& path) {
  if (::mkfifo(path.c_str(), 0644) != 0) throw std::system_error(errno, std::generic_category());
}

bool IsPipe(const std::filesystem::path& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

PipeWatchdog::PipeWatchdog(std::vector<std::filesystem::path> pipes)
    : pipes_(std::move(pipes)), thread_([this] { Watch(); }) {}

PipeWatchdog::~PipeWatchdog() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void PipeWatchdog::Watch() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (wake_.wait_for(lock, kGrace, [this] { return done_; })) return;
  std::vector<int> readers;
  for (const auto& pipe : pipes_) readers.push_back(::open(pipe.c_str(), O_RDONLY | O_NONBLOCK));
  char drained[4096];
  while (!wake_.wait_for(lock, kRelease, [this] { return done_; })) {
    for (const auto& pipe : pipes_) {
      const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    }
    for (const int reader : readers) {
      while (reader >= 0 && ::read(reader, drained, sizeof drained) > 0) {
      }
    }
  }
  for (const int reader : readers) {
    if (reader >= 0) ::close(reader);
  }
}

}  // namespace testing_support
