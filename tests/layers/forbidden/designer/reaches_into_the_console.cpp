// Not built: one program's core reaching into the other's, which the layers forbid.
#include "designer/desk.h"
#include "monitor/station.h"
