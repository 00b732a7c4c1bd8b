#include "common/plan_settings_file.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/line_file.h"
#include "common/numbers.h"
#include "common/platform_error.h"

namespace common {

std::int32_t ParsePlanValue(std::string_view line) {
  const std::size_t start = std::min(line.find_first_not_of(' '), line.size());
  if (const auto value = DecimalInt32(line.substr(start))) return *value;
  throw PlatformError("'" + std::string(line) + "' is not a valid integer value");
}

PlanMarkers ReadPlanSettingsFile(const std::filesystem::path& path) {
  const LineFile file = ReadLineFile(path, kPlanSettingsLines);
  PlanMarkers markers;
  for (std::size_t k = 0; k < markers.size(); ++k) {
    markers[k].x = ParsePlanValue(file.Line(2 * k));
    markers[k].y = ParsePlanValue(file.Line(2 * k + 1));
  }
  return markers;
}

void WritePlanSettingsFile(const std::filesystem::path& path, const PlanMarkers& markers) {
  std::vector<std::string> lines;
  for (const PlanPoint& p : markers) {
    lines.push_back(std::to_string(p.x));
    lines.push_back(std::to_string(p.y));
  }
  WriteLineFile(path, lines);
}

PlanMarkers DefaultPlanMarkers() {
  constexpr std::int32_t kSpacing = 16;  // a marker's width
  PlanMarkers markers;
  for (std::size_t k = 1; k <= markers.size(); ++k) {
    markers[k - 1] = {kSpacing * static_cast<std::int32_t>(k + 1), kSpacing};
  }
  return markers;
}

}  // namespace common
