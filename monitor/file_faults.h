// What the console keeps about the files it could not read or write, so that it
// goes on watching meanwhile: the errors still to be shown, the archive lines
// still to be written and the start-up steps still to be taken up again.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace monitor {

// An archive line that could not be written yet, with the file of its day.
struct HeldArchiveLine {
  std::string file_name;
  std::string line;
};

struct FileFaults {
  // Errors the core caught so that its handler went on; the dispatcher shows their
  // boxes once the handler has finished.
  std::vector<std::string> error_boxes;
  // Archive lines waiting for the archive to be writable again, oldest first.
  std::deque<HeldArchiveLine> held_archive_lines;
  // The error of the last failed archive write while it lasts; empty: none.
  std::string archive_error;
};

}  // namespace monitor
