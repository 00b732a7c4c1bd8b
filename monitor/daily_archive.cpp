#include "monitor/daily_archive.h"

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

void PrepareDailyArchive(Station& st) {
  st.core.ArchiveFileName = ArchiveFileNameFor(st.ports.clock.Now());
  const auto path = st.File(st.core.ArchiveFileName);
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
