// What the console keeps about the files it could not read or write, so that it
// goes on watching meanwhile: the boxes still to be shown, the archive lines
// still to be written and the start-up steps still to be taken up again.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/dialogs.h"
#include "common/file_stamp.h"

namespace monitor {

struct Station;

// A message box for the dispatcher to show.
struct PendingBox {
  std::string text;
  std::string caption;
  common::BoxIcon icon = common::BoxIcon::Error;
};

// An archive line that could not be written yet, with the file of its day.
struct HeldArchiveLine {
  std::string file_name;
  std::string line;
};

// A start-up step that failed on its file, to be taken up again once the file
// has changed.
struct FailedFileStep {
  std::string file_name;    // the file the step reads
  void (*step)(Station&);   // the step itself, run again as a whole
  common::FileStamp stamp;  // the file as it stood when the step last began
  std::string error;        // the error the step last failed with
};

struct FileFaults {
  // Boxes the core has not shown in the middle of its handler, so as not to hold
  // it up; the dispatcher shows them once the handler has finished.
  std::vector<PendingBox> boxes;
  // Archive lines waiting for the archive to be writable again, oldest first.
  std::deque<HeldArchiveLine> held_archive_lines;
  // The error of the last failed archive write while it lasts; empty: none.
  std::string archive_error;
  // Start-up steps whose file could not be read, in start-up order.
  std::vector<FailedFileStep> failed_steps;
};

}  // namespace monitor
