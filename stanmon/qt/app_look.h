// The look the window was laid out for: the Fusion style and a compact font, the
// same on every desktop, and Qt's own texts in Russian.
#pragma once

class QApplication;

namespace stanmon {

void SetUpLook(QApplication& app);

}  // namespace stanmon
