#include "monitor/timer4_timer.h"

#include "monitor/demonstration.h"

namespace monitor {
namespace {

constexpr std::int32_t kTicksPerDemoStep = 6;

TImage& Marker(Station& st, int k) {
  return st.form.Image[MarkerImage(k)];
}

// The markers follow the plan grid's status column, not the signal table.
bool SignalShownOn(const Station& st, int k) {
  return !st.form.StringGrid2.Cells(kStatusColumn, k).empty();
}

}  // namespace

void Timer4Timer(Station& st) {
  st.form.Timer4.Enabled = false;
  if (st.core.PlanShown) {
    st.core.MarkerBlinkOn = !st.core.MarkerBlinkOn;
    if (st.core.DemoDivider == 0 && st.core.DemoRunning) DemonstrationStep(st);
    if (++st.core.DemoDivider >= kTicksPerDemoStep) st.core.DemoDivider = 0;
    for (int k = 1; k <= kSignalsPerChannel; ++k) {
      if (SignalShownOn(st, k)) Marker(st, k).Visible = st.core.MarkerBlinkOn;
    }
  }
  for (int k = 1; k <= kSignalsPerChannel; ++k) {
    if (!SignalShownOn(st, k)) Marker(st, k).Visible = false;
  }
  st.form.Timer4.Enabled = true;
}

}  // namespace monitor
