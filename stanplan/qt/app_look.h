// The designer's look: one style and the window font on every desktop.
#pragma once

class QApplication;

namespace stanplan {

void SetUpLook(QApplication& app);

}  // namespace stanplan
