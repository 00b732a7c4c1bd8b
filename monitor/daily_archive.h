// The daily archive: one Windows-1251 text file per day, only ever appended to.
#pragma once

#include <string>

#include "common/clock.h"
#include "monitor/station.h"

namespace monitor {

// "2026_03_05.txt" for 5 March 2026.
std::string ArchiveFileNameFor(const common::DateTime& date);

// Names today's archive file in ArchiveFileName and creates it empty when it is missing.
void PrepareDailyArchive(Station& st);

}  // namespace monitor
