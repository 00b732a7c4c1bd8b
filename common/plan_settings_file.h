// The plan settings file: 32 lines giving the top-left corners of the 16 zone
// markers of a plan, marker k as its horizontal then its vertical position in
// pixels. Shared by the console and the designer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace common {

struct PlanPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const PlanPoint&, const PlanPoint&) = default;
};

using PlanMarkers = std::array<PlanPoint, 16>;  // index k - 1 = marker k
inline constexpr std::size_t kPlanSettingsLines = 2 * std::tuple_size_v<PlanMarkers>;

// One line's value: spaces before it skipped, optional sign, decimal digits,
// nothing after, within 32 bits. Otherwise throws
// PlatformError("'<line>' is not a valid integer value").
std::int32_t ParsePlanValue(std::string_view line);

// Reads the first 32 lines; a missing line is bad. Throws PlatformError.
PlanMarkers ReadPlanSettingsFile(const std::filesystem::path& path);

// Writes the 32 lines, each ended by CR LF. Throws PlatformError.
void WritePlanSettingsFile(const std::filesystem::path& path, const PlanMarkers& markers);

// Marker k at (16k + 16, 16): a row along the top, 139 bytes as a file.
PlanMarkers DefaultPlanMarkers();

}  // namespace common
