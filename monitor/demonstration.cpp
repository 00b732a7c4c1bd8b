#include "monitor/demonstration.h"

#include "monitor/plan_view.h"

namespace monitor {
namespace {

constexpr int kDemoChannel = 16;

void SetMenuMarks(Station& st, bool demo_on) {
  st.form.FindMenuItem("N15")->Checked = demo_on;
  st.form.FindMenuItem("N16")->Checked = !demo_on;
}

}  // namespace

void DemonstrationStep(Station& st) {
  st.state.LinkAge[kDemoChannel] = 0;
  std::int32_t& cursor = st.core.ChannelStamp[kDemoChannel];
  cursor = cursor + 1 > kSignalsPerChannel ? 1 : cursor + 1;
  std::string& status = st.form.StringGrid1.Cells(kStatusColumn, SignalRow(kDemoChannel, cursor));
  status = status.empty() ? "Вкл" : "";
  if (st.core.PlanChannel == kDemoChannel) {
    for (int s = 1; s <= kSignalsPerChannel; ++s)
      st.form.StringGrid2.Cells(kStatusColumn, s) =
          st.form.StringGrid1.Cells(kStatusColumn, SignalRow(kDemoChannel, s));
  }
}

void N15Click(Station& st) {
  if (st.form.ComboBox1.Text == kNoOperatorChosen &&
      !st.ports.dialogs.Confirm("Не выбрана фамилия оператора.Продолжить? ",
                                "Демонстрационный режим ", common::BoxIcon::Information)) {
    return;
  }
  SetMenuMarks(st, true);
  st.core.PlanChannel = kDemoChannel;
  ShowObjectPlan(st, kDemoChannel);
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
