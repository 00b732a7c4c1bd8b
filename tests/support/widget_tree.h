// Checks on where the controls of a window sit among its containers.
#pragma once

#include <QString>
#include <utility>
#include <vector>

class QWidget;

namespace testing_support {

// Each (control, container) of where: the window holds one widget named control,
// and of the containers named in where, the nearest one above it is container.
void ExpectEachInItsContainer(const QWidget& window,
                              const std::vector<std::pair<QString, QString>>& where);

}  // namespace testing_support
