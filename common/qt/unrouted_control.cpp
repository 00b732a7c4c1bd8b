#include "common/qt/unrouted_control.h"

#include <QtGlobal>

namespace shell {

void WarnOfUnroutedControl(const std::string& control) {
  qWarning("%.*s%s", static_cast<int>(kUnroutedControlWarning.size()),
           kUnroutedControlWarning.data(), control.c_str());
}

}  // namespace shell
