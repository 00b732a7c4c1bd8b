#include "designer/read_settings_file.h"

#include <string>

#include "common/line_file.h"
#include "common/numbers.h"
#include "common/plan_settings_file.h"
#include "common/platform_error.h"
#include "designer/file_dialogs.h"
#include "designer/markers.h"

namespace designer {
namespace {

// The pairs of a file into the grid; pairs after the 16th have no row and are
// dropped. A read at the end gives an empty text.
void FillGrid(TStringGrid& grid, const common::LineFile& file) {
  int row = 1;
  for (std::size_t line = 0; file.Has(line) && row <= kMarkers; line += 2, ++row) {
    grid.Cells(1, row) = file.Line(line);
    grid.Cells(2, row) = file.Line(line + 1);
  }
}

void ReadSettingsFile(Desk& d) {
  const auto chosen = ShowOpenDialog(d, d.form.OpenDialog2, "Выбор установок");
  if (!chosen) return;
  common::LineFile file;
  try {
    file = common::ReadLineFile(d.File(*chosen), common::kPlanSettingsLines);
  } catch (const common::PlatformError&) {
    d.ports.dialogs.Inform("Ошибка чтения файла ", "Error", common::BoxIcon::Error);
    return;
  }
  FillGrid(d.form.StringGrid1, file);
  d.form.StatusBar1[kSettingsFilePanel].Text = *chosen;
}

}  // namespace

void N7Click(Desk& d) {
  ReadSettingsFile(d);
}

void ToolButton2Click(Desk& d) {
  ReadSettingsFile(d);
  const TStringGrid& grid = d.form.StringGrid1;
  for (int k = 1; k <= kMarkers; ++k) {
    const std::int32_t x = common::StrToInt(grid.Cells(1, k));
    const std::int32_t y = common::StrToInt(grid.Cells(2, k));
    PlaceMarker(d, MarkerIndex(k), x, y);
  }
  d.form.Edit1.Text = "1";
  d.form.Edit2.Text = grid.Cells(1, 1);
  d.form.Edit3.Text = grid.Cells(2, 1);
}

}  // namespace designer
