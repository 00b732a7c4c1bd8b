#include "common/plan_settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/platform_error.h"
#include "tests/support/common_fakes.h"

namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& l : lines) bytes += l + "\r\n";
  return bytes;
}

std::vector<std::string> DefaultLines() {
  std::vector<std::string> lines;
  for (int k = 1; k <= 16; ++k) {
    lines.push_back(std::to_string(16 * k + 16));
    lines.push_back("16");
  }
  return lines;
}

TEST(PlanValue, AcceptsLeadingSpacesSignAndDigitsOnly) {
  struct Case {
    const char* line;
    bool ok;
    std::int32_t value;
  };
  for (const Case& c : std::vector<Case>{{" 48", true, 48},
                                         {"   -5", true, -5},
                                         {"+7", true, 7},
                                         {"-2147483648", true, INT32_MIN},
                                         {"2147483647", true, INT32_MAX},
                                         {"48 ", false, 0},
                                         {"", false, 0},
                                         {"-", false, 0},
                                         {"2147483648", false, 0},
                                         {"99999999999999999999", false, 0},
                                         {"$10", false, 0},
                                         {"1e3", false, 0},
                                         {"\t4", false, 0}}) {
    if (c.ok) {
      EXPECT_EQ(common::ParsePlanValue(c.line), c.value) << c.line;
    } else {
      try {
        common::ParsePlanValue(c.line);
        ADD_FAILURE() << "accepted '" << c.line << "'";
      } catch (const common::PlatformError& e) {
        EXPECT_EQ(e.what(), "'" + std::string(c.line) + "' is not a valid integer value");
      }
    }
  }
}

TEST(PlanSettingsFile, DefaultIs139BytesAndReadsBack) {
  testing_support::TempFolder folder;
  common::WritePlanSettingsFile(folder.path / "pust.txt", common::DefaultPlanMarkers());
  EXPECT_EQ(folder.Read("pust.txt"), Lines(DefaultLines()));
  EXPECT_EQ(folder.Read("pust.txt").size(), 139u);
  const auto markers = common::ReadPlanSettingsFile(folder.path / "pust.txt");
  EXPECT_EQ(markers[0], (common::PlanPoint{32, 16}));
  EXPECT_EQ(markers[15], (common::PlanPoint{272, 16}));
}

TEST(PlanSettingsFile, NeedsAll32LinesAndIgnoresMore) {
  testing_support::TempFolder folder;
  auto lines = DefaultLines();
  lines.pop_back();
  folder.Write("short.txt", Lines(lines));
  EXPECT_THROW(common::ReadPlanSettingsFile(folder.path / "short.txt"), common::PlatformError);

  lines = DefaultLines();
  lines[0] = "-40";
  lines[1] = "100000";
  for (int i = 0; i < 8; ++i) lines.push_back("junk");
  folder.Write("long.txt", Lines(lines));
  const auto markers = common::ReadPlanSettingsFile(folder.path / "long.txt");
  EXPECT_EQ(markers[0], (common::PlanPoint{-40, 100000}));

  try {
    common::ReadPlanSettingsFile(folder.path / "missing.txt");
    FAIL();
  } catch (const common::PlatformError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
}

}  // namespace
