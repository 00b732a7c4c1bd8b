// Driving a modal dialog from a test: it is looked at once it is on screen.
#pragma once

#include <functional>

class QWidget;

namespace testing_support {

// Runs open, which shows a modal dialog and returns when it closes, and hands the
// dialog to look once it is on screen; look must close it.
void WhileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& look);

}  // namespace testing_support
