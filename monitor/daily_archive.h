// The daily archive: one Windows-1251 text file per day, only ever appended to.
#pragma once

#include <string>

#include "common/clock.h"
#include "monitor/station.h"

namespace monitor {

// "2026_03_05.txt" for 5 March 2026.
std::string ArchiveFileNameFor(const common::DateTime& date);

// Names today's archive file in ArchiveFileName, creates it empty when it is
// missing, and appends the archive lines held until it could be written. A file
// that cannot be created is an archive fault (AppendToArchive), not an error
// that ends the caller.
void PrepareDailyArchive(Station& st);

}  // namespace monitor
