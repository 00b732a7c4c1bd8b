// The console's settings files as its start-up reads them, with their numbers:
// balances and the SMS price as decimal fractions, the poll pause as a whole
// number. Every input meets a fresh working folder.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The first byte picks the file (its value mod 8: tab1, tab3, tab4, tab5, telefon,
// telefona, paut, help) and the channel owed one SMS charge (its value div 8,
// mod 16, plus 1); the rest is the file's content. The other files are as a first
// start writes them, with a phone for every channel and a pause of 1 s. The
// console then starts, books the charge on its first main-cycle pass, and a poll
// tick takes its interval from the pause. The file is then mended (written as
// the others are) and the next main-cycle pass takes up the step that failed on it.
void FeedSettingsFile(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
