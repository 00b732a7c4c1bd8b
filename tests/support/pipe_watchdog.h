// A guard for tests that hand named pipes to the code: a step that waits on a
// pipe for its other end would hold the test for ever. After a grace time the
// guard stands at the other end of each pipe: it holds the pipe open for
// reading, so a writer that waits goes on, and opens and closes it for writing
// over and over, so a reader that waits goes on with an empty read. The test
// then fails on what the step did instead of hanging.
#pragma once

#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

namespace testing_support {

// Makes a named pipe; throws std::system_error when it cannot.
void MakePipe(const std::filesystem::path& path);

// Whether a named pipe (and not something that replaced it) stands at the path.
bool IsPipe(const std::filesystem::path& path);

struct PipeWatchdog {
  explicit PipeWatchdog(std::vector<std::filesystem::path> pipes);
  ~PipeWatchdog();
  PipeWatchdog(const PipeWatchdog&) = delete;
  PipeWatchdog& operator=(const PipeWatchdog&) = delete;

 private:
  void Watch();

  std::vector<std::filesystem::path> pipes_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::thread thread_;
};

}  // namespace testing_support
