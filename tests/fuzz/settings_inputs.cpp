#include "tests/fuzz/settings_inputs.h"

#include <array>
#include <map>
#include <string>

#include "common/platform_error.h"
#include "links/link_state.h"
#include "links/timer1_timer.h"
#include "monitor/plan_view.h"
#include "monitor/settings_files.h"
#include "monitor/timer3_timer.h"
#include "tests/support/fakes.h"

namespace fuzz {
namespace {

constexpr std::array<const char*, 8> kSettingsFiles = {
    monitor::kSignalTableFile, monitor::kObjectNamesFile,   monitor::kOperatorListFile,
    monitor::kBalancesFile,    monitor::kChannelPhonesFile, monitor::kSupportPhonesFile,
    monitor::kPollPauseFile,   monitor::kHelpFile,
};

// The files a first start leaves in its folder, made once, then every channel
// given a phone and the pause file written.
std::map<std::string, std::string> PreparedFiles() {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  monitor::Timer3Timer(st);
  std::map<std::string, std::string> files;
  for (const char* name : kSettingsFiles) files[name] = fakes.folder.Read(name);
  const std::string plan = monitor::PlanSettingsFileName(1);
  files[plan] = fakes.folder.Read(plan);
  std::string phones;
  for (int c = 1; c <= 16; ++c) phones += "1\r\n91234567" + std::to_string(10 + c) + "\r\n";
  files[monitor::kChannelPhonesFile] = phones;
  files[monitor::kPollPauseFile] = "1\r\n";
  return files;
}

}  // namespace

void FeedSettingsFile(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  static const std::map<std::string, std::string> prepared = PreparedFiles();
  testing_support::FakePorts fakes;
  for (const auto& [name, bytes] : prepared) fakes.folder.Write(name, bytes);
  const std::string fuzzed = kSettingsFiles[data[0] % kSettingsFiles.size()];
  fakes.folder.Write(fuzzed, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

  monitor::Station st{fakes.Ports()};
  st.state.SmsChargeQueue[0] = static_cast<std::uint8_t>(data[0] / 8 % 16 + 1);
  try {
    monitor::Timer3Timer(st);
    links::LinkState link;
    links::Timer1Timer(st, link);
    fakes.folder.Write(fuzzed, prepared.at(fuzzed));
    monitor::Timer3Timer(st);
  } catch (const common::PlatformError&) {
    // a bad file or number ends the tick, as it does in the program
  }
}

}  // namespace fuzz
