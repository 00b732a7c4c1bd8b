#include "monitor/save_settings.h"

#include <string>
#include <vector>

#include "common/line_file.h"
#include "monitor/object_table.h"
#include "monitor/phone_number.h"
#include "monitor/settings_files.h"

namespace monitor {
namespace {

void Write(Station& st, const char* name, const std::vector<std::string>& lines) {
  common::WriteLineFile(st.File(name), lines);
}

void SaveSignalTable(Station& st) {
  std::vector<std::string> lines;
  for (int r = 1; r <= kSignalRows; ++r) {
    lines.push_back(st.form.StringGrid1.Cells(kAddressColumn, r));
    lines.push_back(st.form.StringGrid1.Cells(kDescriptionColumn, r));
  }
  Write(st, kSignalTableFile, lines);
}

void SavePhoneFiles(Station& st) {
  if (!PhoneSet(st.form.Edit19.Text)) st.form.Edit19.Text.clear();
  Write(st, kSupportPhonesFile, {st.form.Edit19.Text, st.form.Edit2.Text});
  for (int k = 1; k <= kChannels; ++k) {
    st.state.ChannelPhone[k] = st.form.StringGrid3.Cells(kPhoneColumn, k);
  }
  std::vector<std::string> lines;
  for (int k = 1; k <= kChannels; ++k) {
    lines.push_back("1");
    lines.push_back(st.state.ChannelPhone[k]);
  }
  Write(st, kChannelPhonesFile, lines);
  ShowChannelPhones(st);
}

void SaveObjectNames(Station& st) {
  std::vector<std::string> lines;
  for (int c = 1; c <= kChannels; ++c)
    lines.push_back(st.form.StringGrid3.Cells(kObjectNameColumn, c));
  Write(st, kObjectNamesFile, lines);
  ShowChannelCaptions(st);
}

void SaveOperatorList(Station& st) {
  st.form.ComboBox1.Items.clear();
  std::vector<std::string> names;
  for (int k = 1; k <= kOperators; ++k) names.push_back(st.form.StringGrid4.Cells(0, k));
  Write(st, kOperatorListFile, names);
  st.form.ComboBox1.Items = names;
}

}  // namespace

void ToolButton7Click(Station& st) {
  if (!st.ports.dialogs.Confirm("Записать установки ?", "Запись установок ",
                                common::BoxIcon::Question)) {
    return;
  }
  SaveSignalTable(st);
  SavePhoneFiles(st);
  SaveObjectNames(st);
  SaveOperatorList(st);
  SaveBalances(st);
}

void SaveBalances(Station& st) {
  std::vector<std::string> lines;
  for (int c = 1; c <= kChannels; ++c)
    lines.push_back(st.form.StringGrid3.Cells(kBalanceColumn, c));
  lines.push_back(st.form.Edit1.Text);
  Write(st, kBalancesFile, lines);
}

void SavePollPause(Station& st) {
  Write(st, kPollPauseFile, {st.form.Edit20.Text});
}

}  // namespace monitor
