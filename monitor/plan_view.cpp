#include "monitor/plan_view.h"

#include "common/line_file.h"
#include "common/plan_settings_file.h"

namespace monitor {
namespace {

TImage& Marker(Station& st, int k) {
  return st.form.Image[MarkerImage(k)];
}

void ReadMarkers(Station& st, int channel) {
  const common::PlanMarkers markers =
      common::ReadPlanSettingsFile(st.File(PlanSettingsFileName(channel)));
  for (int k = 1; k <= 16; ++k) {
    st.core.MarkerX[k] = markers[k - 1].x;
    st.core.MarkerY[k] = markers[k - 1].y;
  }
}

void LoadBackground(Station& st, int channel) {
  const auto path = st.File(PlanPictureFileName(channel));
  if (common::FileExists(path))
    st.form.Image[kPlanPicture].Picture = st.ports.picture.Load(path.string());
}

void SetMenuMarks(Station& st, bool demo_on) {
  st.form.FindMenuItem("N15")->Checked = demo_on;
  st.form.FindMenuItem("N16")->Checked = !demo_on;
}

void DemonstrationStep(Station& st) {
  st.state.LinkAge[16] = 0;
  std::int32_t& cursor = st.core.ChannelStamp[16];
  cursor = cursor + 1 > 16 ? 1 : cursor + 1;
  std::string& status = st.form.StringGrid1.Cells(2, SignalRow(16, cursor));
  status = status.empty() ? "Вкл" : "";
  if (st.core.PlanChannel == 16) {
    for (int s = 1; s <= 16; ++s)
      st.form.StringGrid2.Cells(2, s) = st.form.StringGrid1.Cells(2, SignalRow(16, s));
  }
}

}  // namespace

std::string PlanSettingsFileName(int channel) {
  return "pust" + std::to_string(channel) + ".txt";
}
std::string PlanPictureFileName(int channel) {
  return "fon" + std::to_string(channel) + ".bmp";
}

void LoadPlanMarkers(Station& st) {
  if (!common::FileExists(st.File(PlanSettingsFileName(1)))) {
    for (int n = 1; n <= 16; ++n) {
      common::WritePlanSettingsFile(st.File(PlanSettingsFileName(n)), common::DefaultPlanMarkers());
    }
  }
  ReadMarkers(st, 1);
  PlaceZoneMarkers(st);
}

void ShowObjectPlan(Station& st, int channel) {
  LoadBackground(st, channel);
  ReadMarkers(st, channel);
  PlaceZoneMarkers(st);
  st.core.PlanShown = true;
  st.form.Timer4.Enabled = true;
  st.form.StringGrid2.Cells(1, 0) = st.form.StringGrid3.Cells(1, channel);
  for (int r = 1; r <= 16; ++r) {
    st.form.StringGrid2.Cells(1, r) = st.form.StringGrid1.Cells(1, SignalRow(channel, r));
    st.form.StringGrid2.Cells(2, r) = st.form.StringGrid1.Cells(2, SignalRow(channel, r));
  }
}

void PlaceZoneMarkers(Station& st) {
  for (int k = 1; k <= 16; ++k) Marker(st, k).Visible = false;
  for (int k = 1; k <= 16; ++k) {
    Marker(st, k).Left = st.core.MarkerX[k];
    Marker(st, k).Top = st.core.MarkerY[k];
  }
}

void ChannelButtonClick(Station& st, int channel) {
  st.core.PlanChannel = channel;
  ShowObjectPlan(st, channel);
  st.form.ActivePageIndex = kPlanPage;
}

void Timer4Timer(Station& st) {
  st.form.Timer4.Enabled = false;
  if (st.core.PlanShown) {
    st.core.MarkerBlinkOn = !st.core.MarkerBlinkOn;
    if (st.core.DemoDivider == 0 && st.core.DemoRunning) DemonstrationStep(st);
    if (++st.core.DemoDivider > 5) st.core.DemoDivider = 0;
    for (int k = 1; k <= 16; ++k) {
      if (!st.form.StringGrid2.Cells(2, k).empty()) Marker(st, k).Visible = st.core.MarkerBlinkOn;
    }
  }
  for (int k = 1; k <= 16; ++k) {
    if (st.form.StringGrid2.Cells(2, k).empty()) Marker(st, k).Visible = false;
  }
  st.form.Timer4.Enabled = true;
}

void N15Click(Station& st) {
  if (st.form.ComboBox1.Text == "Оператор" &&
      !st.ports.dialogs.Confirm("Не выбрана фамилия оператора.Продолжить? ",
                                "Демонстрационный режим ", common::BoxIcon::Information)) {
    return;
  }
  SetMenuMarks(st, true);
  st.core.PlanChannel = 16;
  ShowObjectPlan(st, 16);
  st.form.ActivePageIndex = kPlanPage;
  st.core.PlanShown = true;
  st.form.Timer4.Enabled = true;
  st.core.DemoRunning = true;
}

void N16Click(Station& st) {
  st.core.DemoRunning = false;
  SetMenuMarks(st, false);
}

}  // namespace monitor
