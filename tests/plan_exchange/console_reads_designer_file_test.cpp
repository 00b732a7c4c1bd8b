// The two programs share plan settings files only: what the designer writes,
// the console reads.
#include <gtest/gtest.h>

#include "common/platform_error.h"
#include "designer/apply_button.h"
#include "designer/startup_load.h"
#include "designer/write_settings_file.h"
#include "monitor/plan_view.h"
#include "monitor/station.h"
#include "tests/support/fakes.h"

namespace {

struct BothPrograms : ::testing::Test {
  testing_support::FakePorts fakes;  // one folder for both
  designer::Desk desk{designer::DesignerPorts{fakes.dialogs, fakes.picture, fakes.folder.path}};
  monitor::Station station{fakes.Ports()};

  void Apply(const char* n, const char* x, const char* y) {
    desk.form.Edit1.Text = n;
    desk.form.Edit2.Text = x;
    desk.form.Edit3.Text = y;
    designer::BitBtn1Click(desk);
  }
  void Save(const char* name) {
    fakes.dialogs.text_answers = {name};
    designer::N8Click(desk);
  }
};

TEST_F(BothPrograms, TheConsolePlacesTheMarkersWhereTheDesignerPutThem) {
  designer::Timer3Timer(desk);
  Apply("5", "300", "200");
  Apply("16", "-1", "4");  // 65535 after the 16-bit reduction
  Save("pust3.txt");

  monitor::ChannelButtonClick(station, 3);
  for (int k = 1; k <= 16; ++k) {
    const monitor::TImage& shown = station.form.Image[static_cast<std::size_t>(k + 1)];
    const designer::TImage& designed = desk.form.Image[static_cast<std::size_t>(k + 1)];
    EXPECT_EQ(shown.Left, designed.Left) << k;
    EXPECT_EQ(shown.Top, designed.Top) << k;
  }
  EXPECT_EQ(station.form.Image[6].Left, 300);
  EXPECT_EQ(station.form.Image[17].Left, 65535);
}

TEST_F(BothPrograms, AnEmptiedCellFailsInTheConsoleButReadsAsOneInTheDesigner) {
  designer::Timer3Timer(desk);
  desk.form.StringGrid1.Cells(1, 2) = "";
  Save("pust.txt");
  fakes.folder.Write("pust1.txt", fakes.folder.Read("pust.txt"));

  try {
    monitor::ChannelButtonClick(station, 1);
    ADD_FAILURE() << "the console read an empty line";
  } catch (const common::PlatformError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }

  designer::Desk restarted{desk.ports};
  designer::Timer3Timer(restarted);
  EXPECT_EQ(restarted.form.StringGrid1.Cells(1, 2), "1");
  EXPECT_EQ(restarted.form.Image[3].Left, 1);
}

}  // namespace
