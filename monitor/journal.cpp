#include "monitor/journal.h"

#include <array>

namespace monitor {

void WriteJournalHeadings(ConsoleForm& form) {
  static constexpr std::array<const char*, 7> kHeadings = {
      "  Дата , время",    "  Оператор    ", "Объект", "Адрес",
      "Описание сигналов", "Вкл/Откл",       "SMS"};
  for (int col = 0; col < 7; ++col) form.StringGrid7.Cells(col, 0) = kHeadings[col];
}

void ScrollJournal(ConsoleForm& form) {
  for (int k = kJournalRows - 1; k >= 1; --k) {
    for (int col = 0; col < 7; ++col)
      form.StringGrid7.Cells(col, k + 1) = form.StringGrid7.Cells(col, k);
  }
}

void ClearSmsMarks(ConsoleForm& form) {
  for (int row = 1; row <= kJournalRows; ++row)
    form.StringGrid7.Cells(kJournalSmsColumn, row).clear();
}

}  // namespace monitor
