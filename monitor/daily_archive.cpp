#include "monitor/daily_archive.h"

#include <string>
#include <utility>

#include "common/line_file.h"
#include "common/platform_error.h"
#include "monitor/archive_lines.h"

namespace monitor {
namespace {

std::string WithLeadingZero(int value) {
  return value < 10 ? "0" + std::to_string(value) : std::to_string(value);
}

}  // namespace

std::string ArchiveFileNameFor(const common::DateTime& date) {
  return std::to_string(date.year) + "_" + WithLeadingZero(date.month) + "_" +
         WithLeadingZero(date.day) + ".txt";
}

// The file's path is built anew only when its name has changed; whether the
// file exists is asked on every pass.
void PrepareDailyArchive(Station& st) {
  std::string name = ArchiveFileNameFor(st.ports.clock.Now());
  if (name != st.core.ArchiveFileName || st.core.ArchivePath.empty()) {
    st.core.ArchivePath = st.File(name);
    st.core.ArchiveFileName = std::move(name);
  }
  const auto& path = st.core.ArchivePath;
  if (!common::FileExists(path)) {
    try {
      common::CreateEmptyFile(path);
    } catch (const common::PlatformError& e) {
      ArchiveWriteFailed(st, e.what());
      return;
    }
    st.form.DateTimePicker1.DateTime = st.ports.clock.Now();
    ArchiveWriteSucceeded(st);
  }
  WriteHeldArchiveLines(st);
}

}  // namespace monitor
