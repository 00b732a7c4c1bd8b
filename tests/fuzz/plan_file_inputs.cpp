#include "tests/fuzz/plan_file_inputs.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/platform_error.h"
#include "designer/desk.h"
#include "designer/read_settings_file.h"
#include "designer/startup_load.h"
#include "monitor/plan_view.h"
#include "monitor/station.h"
#include "tests/support/fakes.h"

namespace fuzz {
namespace {

// Runs a handler; a PlatformError ends it as the programs' error boxes do.
template <typename Handler>
bool Completes(Handler handler) {
  try {
    handler();
    return true;
  } catch (const common::PlatformError&) {
    return false;
  }
}

void ExpectSamePlaces(const monitor::Station& st, const designer::Desk& desk) {
  for (std::size_t image = 2; image <= 17; ++image) {
    const monitor::TImage& shown = st.form.Image[image];
    const designer::TImage& designed = desk.form.Image[image];
    if (shown.Left != designed.Left || shown.Top != designed.Top) {
      std::fprintf(stderr, "marker %zu: console (%d, %d), designer (%d, %d)\n", image - 1,
                   shown.Left, shown.Top, designed.Left, designed.Top);
      std::abort();
    }
  }
}

}  // namespace

void FeedPlanFile(const std::uint8_t* data, std::size_t size) {
  testing_support::FakePorts fakes;  // one folder for both programs
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  fakes.folder.Write(monitor::PlanSettingsFileName(1), bytes);
  fakes.folder.Write(designer::kWorkingSettingsFile, bytes);

  monitor::Station st{fakes.Ports()};
  const bool console_took_it = Completes([&] { monitor::ChannelButtonClick(st, 1); });

  designer::Desk desk{designer::DesignerPorts{fakes.dialogs, fakes.picture, fakes.folder.path}};
  const bool designer_took_it = Completes([&] { designer::Timer3Timer(desk); });
  if (console_took_it) {
    if (!designer_took_it) {
      std::fprintf(stderr, "the console takes the file, the designer's start-up does not\n");
      std::abort();
    }
    ExpectSamePlaces(st, desk);
  }

  fakes.dialogs.text_answers = {designer::kWorkingSettingsFile};
  Completes([&] { designer::ToolButton2Click(desk); });
}

}  // namespace fuzz
