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

namespace {

// The phases of a blink run 1, 2, 3, 1 ...; the markers are hidden in the first.
constexpr std::int32_t kBlinkPhases = 3;
constexpr std::int32_t kHiddenPhase = 1;

}  // namespace

void Timer4Timer(Desk& d) {
  d.form.Timer4.Enabled = false;
  std::int32_t& phase = d.state.BlinkPhase;
  phase = phase + 1 > kBlinkPhases ? 1 : phase + 1;
  if (phase == kHiddenPhase) {
    HideMarkers(d);
  } else {
    ShowMarkers(d);
  }
  d.form.Timer4.Enabled = true;
}

}  // namespace designer
