#include "monitor/archive_commands.h"

#include <optional>

#include "common/line_file.h"
#include "common/platform_error.h"
#include "monitor/archive_lines.h"

namespace monitor {
namespace {

// OpenDialog1 as both commands prepare it; the chosen path or nothing. It opens in
// the working folder, where the archives are, wherever the program file lies.
std::optional<std::string> ChooseArchive(Station& st, const std::string& title) {
  return st.ports.dialogs.OpenFile(title, st.form.OpenDialog1Filter, st.ports.folder.string());
}

std::filesystem::path Chosen(Station& st, const std::string& name) {
  const std::filesystem::path path(name);
  return path.is_absolute() ? path : st.File(name);
}

// Previews a chosen archive file as the report.
void PrintArchive(Station& st) {
  const auto name = ChooseArchive(st, "Распечатать архив ");
  if (!name) return;
  st.Form2.Items = common::ReadLineFile(Chosen(st, *name)).lines;
  st.ports.printer.Preview(st.Form2.Items);
}

}  // namespace

void BitBtn22Click(Station& st) {
  st.state.SmsScanSlot = 0;
  const common::DateTime now = st.ports.clock.Now();
  AppendToArchive(st, AcknowledgementLine(common::FormatDateTime(now), st.form.ComboBox1.Text));
  st.form.StatusBar1[kEventPanel].Text =
      common::FormatTime(st.ports.clock.Now()) + " Сигнал принят!";
  st.state.SirenOn = false;
}

void ToolButton10Click(Station& st) {
  if (st.ports.dialogs.Confirm("Отключить звуковой сигнал?", "Звуковой сигнал ",
                               common::BoxIcon::Question)) {
    st.state.SirenOn = false;
  }
}

void ToolButton9Click(Station& st) {
  st.form.ActivePageIndex = kAboutPage;
  ViewArchive(st);
}

void ToolButton14Click(Station& st) {
  PrintArchive(st);
}

void ViewArchive(Station& st) {
  const auto name = ChooseArchive(st, "Просмотр архива ");
  if (!name) return;
  try {
    st.form.Memo2.Lines = common::ReadLineFile(Chosen(st, *name)).lines;
  } catch (const common::PlatformError&) {
    st.ports.dialogs.Inform("Ошибка чтения файла ", "Error", common::BoxIcon::Error);
  }
}

void Clr1Click(Station& st) {
  st.form.Memo2.Lines.clear();
}

}  // namespace monitor
