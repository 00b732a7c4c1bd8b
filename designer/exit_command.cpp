#include "designer/exit_command.h"

namespace designer {

void BitBtn2Click(Desk& d) {
  if (d.ports.dialogs.Confirm("Вы действительно хотите выйти?", "Выход из программы",
                              common::BoxIcon::Question)) {
    d.state.TerminateRequested = true;
  }
}

void N3Click(Desk& d) {
  BitBtn2Click(d);
}

}  // namespace designer
