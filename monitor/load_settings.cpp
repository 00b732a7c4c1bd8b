#include "monitor/load_settings.h"

#include <string>
#include <utility>

#include "common/line_file.h"
#include "common/numbers.h"
#include "monitor/daily_archive.h"
#include "monitor/journal.h"
#include "monitor/object_table.h"
#include "monitor/phone_number.h"
#include "monitor/settings_files.h"
#include "monitor/startup_files.h"

namespace monitor {
namespace {

using common::LineFile;

// A balance below this many kopecks is reported once; an empty one counts as the default.
constexpr double kLowBalance = 1000;

// Writes a settings file's default content when the file is missing. A pipe or a
// device in its place is not missing: its read fails, and it stays as it is.
void CreateIfMissing(Station& st, const char* name, const std::vector<std::string>& defaults) {
  const auto path = st.File(name);
  if (!common::NonFolderExists(path)) common::WriteLineFile(path, defaults);
}

// The first lines of a settings file: only those that its table uses are read.
LineFile Read(Station& st, const char* name, std::size_t lines) {
  return common::ReadLineFile(st.File(name), lines);
}

void LoadPollPause(Station& st) {
  const auto path = st.File(kPollPauseFile);
  if (common::NonFolderExists(path)) st.form.Edit20.Text = common::ReadLineFile(path, 1).Line(0);
}

void LoadHelp(Station& st) {
  const auto path = st.File(kHelpFile);
  if (common::NonFolderExists(path)) {
    st.form.Memo2.Lines = common::ReadLineFile(path, common::kAllLines).lines;
  } else {
    common::WriteLineFile(path, DefaultHelp());
  }
}

void ClearStatusSnapshots(Station& st) {
  st.core.PrevStatus.fill("");
  st.core.CurStatus.fill("");
  st.core.CurStatusTakenAt.reset();
}

void LoadChannelPhones(Station& st) {
  CreateIfMissing(st, kChannelPhonesFile, DefaultChannelPhones());
  const LineFile file = Read(st, kChannelPhonesFile, 32);
  for (int k = 1; k <= kChannels; ++k) st.state.ChannelPhone[k] = file.Line(2 * k - 1);
  ShowChannelPhones(st);
}

void LoadSupportPhones(Station& st) {
  CreateIfMissing(st, kSupportPhonesFile, DefaultSupportPhones());
  const LineFile file = Read(st, kSupportPhonesFile, 2);
  if (PhoneSet(file.Line(0))) st.form.Edit19.Text = file.Line(0);
  if (file.Has(1) && PhoneSet(file.Line(1))) st.form.Edit2.Text = file.Line(1);
}

void LoadSignalTable(Station& st) {
  CreateIfMissing(st, kSignalTableFile, DefaultSignalTable());
  TStringGrid& grid = st.form.StringGrid1;
  grid.Cells(kAddressColumn, 0) = "№";
  grid.Cells(kDescriptionColumn, 0) = "Описание сигналов";
  grid.Cells(kStatusColumn, 0) = "";
  grid.Cells(kTimeColumn, 0) = "Время";
  const LineFile file = Read(st, kSignalTableFile, 2 * kSignalRows);
  for (int r = 1; r <= kSignalRows; ++r) {
    grid.Cells(kAddressColumn, r) = file.Line(2 * r - 2);
    grid.Cells(kDescriptionColumn, r) = file.Line(2 * r - 1);
  }
}

// The plan grid as the start-up fills it, for channel 1. A file taken up after a
// plan has been shown leaves the grid to that plan.
void FillPlanGridFrame(Station& st) {
  if (st.core.PlanShown) return;
  TStringGrid& plan = st.form.StringGrid2;
  plan.Cells(kNumberColumn, 0) = "№";
  plan.Cells(kDescriptionColumn, 0) = "  Название ";
  for (int k = 1; k <= kSignalsPerChannel; ++k) plan.Cells(kNumberColumn, k) = std::to_string(k);
}

void FillPlanGridDescriptions(Station& st) {
  if (st.core.PlanShown) return;
  for (int s = 1; s <= kSignalsPerChannel; ++s)
    st.form.StringGrid2.Cells(kDescriptionColumn, s) =
        st.form.StringGrid1.Cells(kDescriptionColumn, s);
}

void LoadObjectNames(Station& st) {
  CreateIfMissing(st, kObjectNamesFile, DefaultObjectNames());
  TStringGrid& objects = st.form.StringGrid3;
  objects.Cells(kNumberColumn, 0) = "№";
  objects.Cells(kObjectNameColumn, 0) = "  Название ";
  objects.Cells(kPhoneColumn, 0) = "Номер тел.";
  objects.Cells(kBalanceColumn, 0) = "Баланс";
  FillPlanGridFrame(st);
  const LineFile file = Read(st, kObjectNamesFile, kChannels);
  for (int c = 1; c <= kChannels; ++c) {
    objects.Cells(kObjectNameColumn, c) = file.Line(c - 1);
    objects.Cells(kNumberColumn, c) = std::to_string(c);
  }
  ShowChannelCaptions(st);
}

// The list is emptied first so that a start-up repeated after an error does not
// list every operator twice.
void LoadOperatorList(Station& st) {
  CreateIfMissing(st, kOperatorListFile, DefaultOperatorList());
  TStringGrid& grid = st.form.StringGrid4;
  grid.Cells(0, 0) = "             Список операторов";
  const LineFile file = Read(st, kOperatorListFile, kOperators);
  st.form.ComboBox1.Items.clear();
  for (int k = 1; k <= kOperators; ++k) {
    grid.Cells(0, k) = file.Line(k - 1);
    st.form.ComboBox1.Items.push_back(file.Line(k - 1));
  }
}

void LoadBalances(Station& st) {
  CreateIfMissing(st, kBalancesFile, DefaultBalances());
  FillPlanGridDescriptions(st);
  const LineFile file = Read(st, kBalancesFile, kChannels + 1);
  for (int c = 1; c <= kChannels; ++c)
    st.form.StringGrid3.Cells(kBalanceColumn, c) = file.Line(c - 1);
  const std::string price = file.Line(kChannels);
  st.form.Edit1.Text = price.empty() ? kDefaultSmsPrice : price;
}

// Shown once per run. At start-up the message holds the rest of the start-up;
// when a mended tab5.txt is taken up later, it waits for the end of the pass so
// that the cycle is not held.
void CheckLowBalance(Station& st) {
  int low_channel = 0;
  double low_balance = 0;
  for (int c = kChannels; c >= 1; --c) {
    std::string text = std::as_const(st.form.StringGrid3).Cells(kBalanceColumn, c);
    if (text.empty()) text = kDefaultBalance;
    const double balance = common::StrToFloat(text);
    if (balance < kLowBalance) {
      low_channel = c;
      low_balance = balance;
    }
  }
  if (low_channel == 0 || st.core.LowBalanceShown) return;
  st.core.LowBalanceShown = true;
  const PendingBox box{"Остаток средств  № " + std::to_string(low_channel) + "(" +
                           st.state.ChannelPhone[low_channel] +
                           ") = " + common::FloatToStr(low_balance) + " копеек",
                       st.ports.program_name, common::BoxIcon::Information};
  if (!st.core.InitDone) {
    st.ports.dialogs.Inform(box.text, box.caption, box.icon);
  } else {
    st.faults.boxes.push_back(box);
  }
}

// The check reads the balances just loaded, so a bad one is taken up with its file.
void LoadBalancesAndCheckThem(Station& st) {
  LoadBalances(st);
  CheckLowBalance(st);
}

}  // namespace

// A file that cannot be loaded does not end the load: each file is a step of its
// own (LoadStartUpFile), and the steps after it still run.
void LoadSettings(Station& st) {
  st.form.DateTimePicker1.DateTime = st.ports.clock.Now();
  WriteJournalHeadings(st.form);
  LoadStartUpFile(st, kPollPauseFile, LoadPollPause);
  LoadStartUpFile(st, kHelpFile, LoadHelp);
  ClearStatusSnapshots(st);
  PrepareDailyArchive(st);
  LoadStartUpFile(st, kChannelPhonesFile, LoadChannelPhones);
  LoadStartUpFile(st, kSupportPhonesFile, LoadSupportPhones);
  LoadStartUpFile(st, kSignalTableFile, LoadSignalTable);
  LoadStartUpFile(st, kObjectNamesFile, LoadObjectNames);
  LoadStartUpFile(st, kOperatorListFile, LoadOperatorList);
  LoadStartUpFile(st, kBalancesFile, LoadBalancesAndCheckThem);
}

}  // namespace monitor
