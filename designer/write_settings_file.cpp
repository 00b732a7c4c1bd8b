#include "designer/write_settings_file.h"

#include <string>
#include <vector>

#include "common/line_file.h"
#include "designer/file_dialogs.h"

namespace designer {
namespace {

void WriteSettingsFile(Desk& d) {
  const auto chosen = ShowSaveDialog(d, d.form.SaveDialog1, "Запись установок");
  if (!chosen) return;
  std::vector<std::string> lines;
  for (int k = 1; k <= kMarkers; ++k) {
    lines.push_back(d.form.StringGrid1.Cells(1, k));
    lines.push_back(d.form.StringGrid1.Cells(2, k));
  }
  // Written through a temporary file, so a failed write leaves an old file whole.
  common::WriteLineFile(d.File(*chosen), lines);
}

}  // namespace

void N8Click(Desk& d) {
  WriteSettingsFile(d);
}
void ToolButton4Click(Desk& d) {
  WriteSettingsFile(d);
}

}  // namespace designer
