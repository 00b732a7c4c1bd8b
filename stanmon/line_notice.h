// What a serial line's transport tells the operator: the line is down (said again
// at every attempt to reopen it) or open again.
#pragma once

#include <string>

namespace stanmon {

struct LineNotice {
  std::string line;  // "COM1"
  std::string text;  // "COM1 /dev/ttyUSB0: устройство отключено"
  bool down = false;
};

}  // namespace stanmon
