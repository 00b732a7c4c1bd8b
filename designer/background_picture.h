// "Открыть фоновый рисунок": a picture file into Image1, its name into status
// panel 0. The markers stay where they are.
#pragma once

#include "designer/desk.h"

namespace designer {

// Throws PlatformError with the loader's text; the picture and panel 0 then stay.
void N6Click(Desk& d);
void ToolButton5Click(Desk& d);

}  // namespace designer
