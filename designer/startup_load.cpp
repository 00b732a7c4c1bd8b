#include "designer/startup_load.h"

#include <string>

#include "common/line_file.h"
#include "common/numbers.h"
#include "common/plan_settings_file.h"
#include "designer/markers.h"

namespace designer {
namespace {

void WriteGridHeadings(TStringGrid& grid) {
  grid.Cells(0, 0) = "№";
  grid.Cells(1, 0) = "Горизонт";
  grid.Cells(2, 0) = "Вертикаль";
  for (int k = 1; k <= kMarkers; ++k) grid.Cells(0, k) = std::to_string(k);
}

void LoadStartPicture(Desk& d) {
  const auto path = d.File(kStartPictureFile);
  if (common::NonFolderExists(path))
    d.form.Image[kBackgroundImage].Picture = d.ports.picture.Load(path.string());
}

void CreateMissingSettingsFile(Desk& d) {
  const auto path = d.File(kWorkingSettingsFile);
  if (!common::NonFolderExists(path))
    common::WritePlanSettingsFile(path, common::DefaultPlanMarkers());
}

// An empty line, and so a line beyond the end of a shorter file, reads as "1".
std::string CoordinateText(const common::LineFile& file, std::size_t line) {
  const std::string& text = file.Line(line);
  return text.empty() ? "1" : text;
}

void ReadWorkingSettings(Desk& d) {
  const common::LineFile file =
      common::ReadLineFile(d.File(kWorkingSettingsFile), common::kPlanSettingsLines);
  TStringGrid& grid = d.form.StringGrid1;
  for (int k = 1; k <= kMarkers; ++k) {
    const std::size_t first = 2 * static_cast<std::size_t>(k - 1);
    grid.Cells(1, k) = CoordinateText(file, first);
    grid.Cells(2, k) = CoordinateText(file, first + 1);
    d.state.MarkerX[static_cast<std::size_t>(k)] = common::StrToInt(grid.Cells(1, k));
    d.state.MarkerY[static_cast<std::size_t>(k)] = common::StrToInt(grid.Cells(2, k));
  }
}

void PlaceLoadedMarkers(Desk& d) {
  for (int k = 1; k <= kMarkers; ++k) {
    const auto at = static_cast<std::size_t>(k);
    PlaceMarker(d, MarkerIndex(k), d.state.MarkerX[at], d.state.MarkerY[at]);
  }
}

void LoadStartUpSettings(Desk& d) {
  WriteGridHeadings(d.form.StringGrid1);
  LoadStartPicture(d);
  CreateMissingSettingsFile(d);
  ReadWorkingSettings(d);
  PlaceLoadedMarkers(d);
  ShowMarkers(d);
  d.form.Edit2.Text = d.form.StringGrid1.Cells(1, 1);
  d.form.Edit3.Text = d.form.StringGrid1.Cells(2, 1);
  d.state.SettingsLoaded = true;
}

}  // namespace

void Timer3Timer(Desk& d) {
  d.form.Timer3.Enabled = false;
  if (!d.state.SettingsLoaded) LoadStartUpSettings(d);
  d.form.Timer3.Enabled = true;
}

}  // namespace designer
