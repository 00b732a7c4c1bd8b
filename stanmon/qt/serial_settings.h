// Where a console serial line is and how fast it runs, taken from the environment.
#pragma once

#include <QtGlobal>
#include <string>

namespace stanmon {

// One line, always 8N1 without flow control.
struct SerialSettings {
  std::string label;   // "COM1"
  std::string device;  // "/dev/ttyS0"
  qint32 baud = 9600;
  // Silence after the last byte that ends an answer, in milliseconds.
  int quiet_ms = 5;
  // The line answers requests (RS485): what arrived before a request is dropped
  // when it goes out, and a read takes the newest bytes, so that noise never
  // queues up before an answer. The modem line keeps every byte.
  bool drop_backlog = false;
};

// COMn: device from STANMON_COMn (default /dev/ttyS<n-1>), baud from
// STANMON_COMn_BAUD (default, and fallback for bad text, 9600). COM1 carries the
// GSM modem, whose answers pause longer: it waits about 20 character times, the
// RS485 line about 5; never less than 2 ms. The RS485 line drops its backlog.
SerialSettings SerialSettingsFromEnvironment(int com_number);

}  // namespace stanmon
