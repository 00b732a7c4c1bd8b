// The texts that Qt itself puts on the boxes and file dialogs of the Qt ports.
#pragma once

#include <string>

namespace testing_support {

struct QtOwnTexts {
  std::string box_ok;  // a confirmation's buttons
  std::string box_cancel;
  std::string file_name_label;     // an open dialog's "File name" label
  std::string file_dialog_cancel;  // and its Cancel button
};

// Opens a confirmation and an open dialog through the Qt ports, reads them and
// cancels both.
QtOwnTexts QtOwnTextsShown();

}  // namespace testing_support
