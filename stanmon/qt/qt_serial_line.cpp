#include "stanmon/qt/qt_serial_line.h"

#include <unistd.h>

#include <QByteArray>
#include <QFileInfo>
#include <cerrno>
#include <utility>

namespace stanmon {
namespace {

constexpr int kReopenMs = 3000;
// QSerialPort does not always see a USB adapter pulled out, so the device path is
// looked at as well, at most this often. The console reads each line on every
// receive tick, so the look rides on a read and wakes the program for nothing.
constexpr qint64 kPresenceMs = 2000;

}  // namespace

QtSerialLine::QtSerialLine(SerialSettings settings, std::function<void(const LineNotice&)> notice,
                           QObject* parent)
    : QObject(parent),
      settings_(std::move(settings)),
      notice_(std::move(notice)),
      port_(this),
      reopen_timer_(this) {
  arrived_.quiet_ms = settings_.quiet_ms;
  clock_.start();
  port_.setPortName(QString::fromStdString(settings_.device));
  reopen_timer_.setInterval(kReopenMs);
  connect(&port_, &QSerialPort::readyRead, this, &QtSerialLine::TakeArrived);
  // Queued: QSerialPort reports from inside its own calls, and the handler closes it.
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialLine::OnError, Qt::QueuedConnection);
  connect(&reopen_timer_, &QTimer::timeout, this, &QtSerialLine::TryOpen);
}

void QtSerialLine::Open() {
  if (state_ != State::kIdle) return;
  TryOpen();
}

bool QtSerialLine::Write(const std::uint8_t* data, std::size_t count) {
  if (state_ != State::kOpen) return false;
  if (settings_.drop_backlog) {  // nothing that came before a request answers it
    port_.clear(QSerialPort::Input);
    arrived_.Clear();
  }
  if (count == 0) return true;
  const qint64 size = static_cast<qint64>(count);
  return port_.write(reinterpret_cast<const char*>(data), size) == size;
}

std::size_t QtSerialLine::Read(std::uint8_t* into, std::size_t max) {
  if (state_ != State::kOpen) return 0;
  const qint64 now = clock_.elapsed();
  if (now - presence_checked_ms_ >= kPresenceMs) {
    presence_checked_ms_ = now;
    if (!CheckPresence()) return 0;
  }
  // What has arrived is already here: readyRead takes every byte as it comes.
  if (settings_.drop_backlog) arrived_.KeepNewest(max);
  return arrived_.Take(into, max, now);
}

std::int64_t QtSerialLine::SilentMs() {
  if (state_ != State::kOpen) return 0;
  return arrived_.SilentMs(clock_.elapsed());
}

void QtSerialLine::TryOpen() {
  if (state_ == State::kOpen) return;
  if (!port_.open(QIODevice::ReadWrite)) {
    GoDown(OpenFailureReason());
    return;
  }
  // Opened at Qt's 9600 8N1 first: a device (a pty, an odd adapter) that refuses
  // the baud rate still works at the rate it has.
  port_.setBaudRate(settings_.baud);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  state_ = State::kOpen;
  ++session_;
  reopen_timer_.stop();
  if (reported_) Notice(settings_.label + " " + settings_.device + " открыт", false);
  reported_ = false;
}

void QtSerialLine::GoDown(const std::string& reason) {
  if (port_.isOpen()) port_.close();
  arrived_.Clear();
  state_ = State::kDown;
  Notice(settings_.label + " " + settings_.device + ": " + reason, true);
  reported_ = true;
  if (!reopen_timer_.isActive()) reopen_timer_.start();
}

void QtSerialLine::TakeArrived() {
  const QByteArray bytes = port_.readAll();
  arrived_.Append(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                  static_cast<std::size_t>(bytes.size()), clock_.elapsed());
}

void QtSerialLine::OnError(QSerialPort::SerialPortError error) {
  if (state_ != State::kOpen) return;
  // A hung-up tty reads end-of-file, which Qt reports as ReadError with whatever
  // errno was left over, so its text says nothing; a pulled adapter fails writes
  // with EIO. Any of these means the device has gone.
  if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
      error == QSerialPort::WriteError)
    GoDown("устройство отключено");
}

bool QtSerialLine::CheckPresence() {
  if (QFileInfo::exists(QString::fromStdString(settings_.device))) return true;
  GoDown("устройство отключено");
  return false;
}

std::string QtSerialLine::OpenFailureReason() const {
  switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError:
      return "устройство не найдено";
    case QSerialPort::PermissionError:
      // Qt says the same when another program holds the line.
      if (::access(settings_.device.c_str(), R_OK | W_OK) != 0 && errno == EACCES)
        return "нет доступа (нужна группа dialout)";
      return "устройство занято другой программой";
    default:
      return port_.errorString().toStdString();
  }
}

void QtSerialLine::Notice(const std::string& text, bool down) const {
  if (notice_) notice_({settings_.label, text, down});
}

}  // namespace stanmon
