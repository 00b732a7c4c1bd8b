#include "monitor/startup_files.h"

#include <algorithm>

#include "common/platform_error.h"
#include "monitor/caught_error.h"

namespace monitor {
namespace {

// Runs the step; the error it failed with, or empty text.
std::string Run(Station& st, void (*step)(Station&)) {
  try {
    step(st);
  } catch (const common::PlatformError& e) {
    return e.what();
  }
  return {};
}

// The stamp is taken before the step runs, so a file that the step itself
// created (a default) counts as changed and is read again on the next tick.
bool TakeUp(Station& st, FailedFileStep& failed) {
  const common::FileStamp now = common::StampOf(st.File(failed.file_name));
  if (now == failed.stamp) return false;
  failed.stamp = now;
  const std::string error = Run(st, failed.step);
  if (error.empty()) {
    ClearCaughtError(st, failed.error);
    return true;
  }
  failed.error = error;
  st.form.StatusBar1[kEventPanel].Text = common::ErrorBoxText(error);
  return false;
}

}  // namespace

void LoadStartUpFile(Station& st, const std::string& file_name, void (*step)(Station&)) {
  const common::FileStamp stamp = common::StampOf(st.File(file_name));
  const std::string error = Run(st, step);
  if (error.empty()) return;
  st.faults.failed_steps.push_back({file_name, step, stamp, error});
  ShowCaughtError(st, error);
}

void TakeUpMendedFiles(Station& st) {
  auto& failed = st.faults.failed_steps;
  for (std::size_t i = 0; i < failed.size();) {
    if (TakeUp(st, failed[i])) {
      failed.erase(failed.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

bool FileStepFailed(const Station& st, const std::string& file_name) {
  const auto& failed = st.faults.failed_steps;
  return std::any_of(failed.begin(), failed.end(),
                     [&](const FailedFileStep& f) { return f.file_name == file_name; });
}

}  // namespace monitor
