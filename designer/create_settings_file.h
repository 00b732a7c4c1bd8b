// "Создать файл установок": the default "pust.txt", then a new start-up load.
#pragma once

#include "designer/desk.h"

namespace designer {

// Asks first; on OK writes the default content and has the next tick of Timer3
// load again. Throws PlatformError when the file cannot be written; no new
// load follows then.
void N9Click(Desk& d);
void ToolButton1Click(Desk& d);

}  // namespace designer
