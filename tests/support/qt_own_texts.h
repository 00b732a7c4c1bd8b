// The texts that Qt itself puts on the boxes and file dialogs of the Qt ports.
#pragma once

namespace testing_support {

// Opens a confirmation and an open dialog through the Qt ports, expects their
// standard buttons and labels in Russian, and cancels both.
void ExpectQtsOwnTextsRussian();

}  // namespace testing_support
