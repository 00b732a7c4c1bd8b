// A console serial line on QSerialPort. Never waits and never shows a box: a line
// that cannot be opened or goes away is reported through the notice, again at
// every attempt to reopen it in the background, until it comes back.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QTimer>
#include <functional>
#include <string>

#include "common/quiet_buffer.h"
#include "common/serial_line.h"
#include "stanmon/line_notice.h"
#include "stanmon/qt/serial_settings.h"

namespace stanmon {

class QtSerialLine : public QObject, public common::SerialLine {
  Q_OBJECT

 public:
  // notice gets one Russian line, e.g. "COM1 /dev/ttyUSB0: устройство
  // отключено" while the line is down, then "COM1 /dev/ttyUSB0 открыт" when it is back.
  QtSerialLine(SerialSettings settings, std::function<void(const LineNotice&)> notice,
               QObject* parent = nullptr);

  void Open() override;
  // Dropped while the line is down.
  bool Write(const std::uint8_t* data, std::size_t count) override;
  // Bytes are handed over once the line has been quiet for quiet_ms; 0 while down.
  // A read also notices a device path that has vanished, at most 2 s late.
  std::size_t Read(std::uint8_t* into, std::size_t max) override;
  std::int64_t SilentMs() override;
  // Counts the openings that succeeded.
  std::uint32_t Session() const override { return session_; }

 private:
  enum class State { kIdle, kOpen, kDown };

  void TryOpen();
  void GoDown(const std::string& reason);
  void TakeArrived();
  void OnError(QSerialPort::SerialPortError error);
  // False, and the line gone down, when the device path has vanished.
  bool CheckPresence();
  std::string OpenFailureReason() const;
  void Notice(const std::string& text, bool down) const;

  SerialSettings settings_;
  std::function<void(const LineNotice&)> notice_;
  QSerialPort port_;
  QTimer reopen_timer_;
  QElapsedTimer clock_;
  common::QuietBuffer arrived_;
  State state_ = State::kIdle;
  std::uint32_t session_ = 0;
  bool reported_ = false;           // the current outage has been told
  qint64 presence_checked_ms_ = 0;  // when the device path was last looked at
};

}  // namespace stanmon
