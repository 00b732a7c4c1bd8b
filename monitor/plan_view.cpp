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
  for (int k = 1; k <= kSignalsPerChannel; ++k) {
    st.core.MarkerX[k] = markers[k - 1].x;
    st.core.MarkerY[k] = markers[k - 1].y;
  }
}

void PlaceZoneMarkers(Station& st) {
  for (int k = 1; k <= kSignalsPerChannel; ++k) Marker(st, k).Visible = false;
  for (int k = 1; k <= kSignalsPerChannel; ++k) {
    Marker(st, k).Left = st.core.MarkerX[k];
    Marker(st, k).Top = st.core.MarkerY[k];
  }
}

}  // namespace

std::string PlanSettingsFileName(int channel) {
  return "pust" + std::to_string(channel) + ".txt";
}
std::string PlanPictureFileName(int channel) {
  return "fon" + std::to_string(channel) + ".bmp";
}

void LoadPlanPicture(Station& st, int channel) {
  const auto path = st.File(PlanPictureFileName(channel));
  if (common::NonFolderExists(path))
    st.form.Image[kPlanPicture].Picture = st.ports.picture.Load(path.string());
}

void LoadPlanMarkers(Station& st) {
  if (!common::NonFolderExists(st.File(PlanSettingsFileName(1)))) {
    for (int n = 1; n <= kChannels; ++n) {
      common::WritePlanSettingsFile(st.File(PlanSettingsFileName(n)), common::DefaultPlanMarkers());
    }
  }
  ReadMarkers(st, 1);
  PlaceZoneMarkers(st);
}

void ShowObjectPlan(Station& st, int channel) {
  LoadPlanPicture(st, channel);
  ReadMarkers(st, channel);
  PlaceZoneMarkers(st);
  st.core.PlanShown = true;
  st.form.Timer4.Enabled = true;
  st.form.StringGrid2.Cells(kDescriptionColumn, 0) =
      st.form.StringGrid3.Cells(kObjectNameColumn, channel);
  for (int r = 1; r <= kSignalsPerChannel; ++r) {
    st.form.StringGrid2.Cells(kDescriptionColumn, r) =
        st.form.StringGrid1.Cells(kDescriptionColumn, SignalRow(channel, r));
    st.form.StringGrid2.Cells(kStatusColumn, r) =
        st.form.StringGrid1.Cells(kStatusColumn, SignalRow(channel, r));
  }
}

void ChannelButtonClick(Station& st, int channel) {
  st.core.PlanChannel = channel;
  ShowObjectPlan(st, channel);
  st.form.ActivePageIndex = kPlanPage;
}

}  // namespace monitor
