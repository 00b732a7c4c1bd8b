#include "monitor/journal.h"

#include <array>

namespace monitor {

void WriteJournalHeadings(ConsoleForm& form) {
  static constexpr std::array<const char*, 7> kHeadings = {
      "  Дата , время", "  Оператор    ", "Объект", "Адрес", "Описание сигналов", "Вкл/Откл",
      "SMS"};
  for (int col = 0; col < 7; ++col) form.StringGrid7.Cells(col, 0) = kHeadings[col];
}

}  // namespace monitor
