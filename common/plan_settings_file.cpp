#include "common/plan_settings_file.h"

#include <limits>
#include <string>
#include <vector>

#include "common/line_file.h"
#include "common/platform_error.h"

namespace common {

std::int32_t ParsePlanValue(std::string_view line) {
  const auto bad = [&] {
    return PlatformError("'" + std::string(line) + "' is not a valid integer value");
  };
  std::size_t i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  bool negative = false;
  if (i < line.size() && (line[i] == '-' || line[i] == '+')) negative = line[i++] == '-';
  if (i == line.size()) throw bad();
  std::int64_t value = 0;
  for (; i < line.size(); ++i) {
    if (line[i] < '0' || line[i] > '9') throw bad();
    value = value * 10 + (line[i] - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) throw bad();
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) throw bad();
  return static_cast<std::int32_t>(value);
}

PlanMarkers ReadPlanSettingsFile(const std::filesystem::path& path) {
  const LineFile file = ReadLineFile(path, 2 * std::tuple_size_v<PlanMarkers>);
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
  PlanMarkers markers;
  for (int k = 1; k <= 16; ++k) markers[k - 1] = {16 * k + 16, 16};
  return markers;
}

}  // namespace common
