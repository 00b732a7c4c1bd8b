// What the console keeps about the files it could not read or write, so that it
// goes on watching meanwhile: the errors still to be shown, the archive lines
// still to be written and the start-up steps still to be taken up again.
#pragma once

#include <string>
#include <vector>

namespace monitor {

struct FileFaults {
  // Errors the core caught so that its handler went on; the dispatcher shows their
  // boxes once the handler has finished.
  std::vector<std::string> error_boxes;
};

}  // namespace monitor
