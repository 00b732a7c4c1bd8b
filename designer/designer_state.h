// The designer's module state beside its window.
#pragma once

#include <array>
#include <cstdint>

#include "designer/designer_form.h"

namespace designer {

struct DesignerState {
  // Coordinates converted by the start-up load, indexed by marker number 1..16.
  std::array<std::int32_t, kMarkers + 1> MarkerX{};
  std::array<std::int32_t, kMarkers + 1> MarkerY{};
  bool SettingsLoaded = false;      // the start-up load has been completed
  std::int32_t BlinkPhase = 0;      // 0 at start, then 1..3; 1 is the hidden phase
  bool TerminateRequested = false;  // the exit was confirmed
};

}  // namespace designer
