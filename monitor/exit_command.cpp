#include "monitor/exit_command.h"

#include "monitor/save_settings.h"

namespace monitor {

void N6Click(Station& st) {
  if (!st.ports.dialogs.Confirm("Вы действительно хотите выйти?", "Выход из программы",
                                common::BoxIcon::Question)) {
    return;
  }
  SavePollPause(st);
  st.core.TerminateRequested = true;
}

void BitBtn18Click(Station& st) {
  N6Click(st);
}

}  // namespace monitor
