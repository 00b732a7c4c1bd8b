// The designer's look: one style and the window font on every desktop, and Qt's
// own texts in Russian.
#pragma once

class QApplication;

namespace stanplan {

void SetUpLook(QApplication& app);

}  // namespace stanplan
