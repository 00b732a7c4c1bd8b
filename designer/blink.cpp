#include "designer/blink.h"

#include "designer/markers.h"

namespace designer {

void N4Click(Desk& d) {
  d.form.Timer4.Enabled = true;
}

void N5Click(Desk& d) {
  d.form.Timer4.Enabled = false;
  ShowMarkers(d);
}

void Timer4Timer(Desk& d) {
  d.form.Timer4.Enabled = false;
  std::int32_t& phase = d.state.BlinkPhase;
  phase = phase + 1 > 3 ? 1 : phase + 1;
  if (phase == 1) {
    HideMarkers(d);
  } else {
    ShowMarkers(d);
  }
  d.form.Timer4.Enabled = true;
}

}  // namespace designer
