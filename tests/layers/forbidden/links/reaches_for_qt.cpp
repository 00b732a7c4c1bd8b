// Not built: Qt outside the shell, which the layers forbid.
#include <QTimer>
#include <string>

#include "monitor/station.h"
