// Not built: the core calling into field communication, which the layers forbid.
#include "common/text.h"
#include "links/link_state.h"
