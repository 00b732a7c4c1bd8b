// Port: one serial line, as the console uses it. The console prepares every
// outgoing message itself and decodes whatever has arrived; nothing here waits.
#pragma once

#include <cstddef>
#include <cstdint>

namespace common {

struct SerialLine {
  virtual ~SerialLine() = default;
  // Opens the line (once; a line that cannot be opened is retried by the line itself).
  virtual void Open() = 0;
  // Writes the bytes; never waits for them to go out. False when the line did not
  // take them (it is down): they are dropped, not kept for later.
  virtual bool Write(const std::uint8_t* data, std::size_t count) = 0;
  // Takes up to max bytes that have arrived, without waiting. 0 when nothing
  // arrived or the read failed.
  virtual std::size_t Read(std::uint8_t* into, std::size_t max) = 0;
  // How long the line has brought nothing, in milliseconds, once every byte that
  // arrived has been read; 0 while bytes wait to be read.
  virtual std::int64_t SilentMs() = 0;
  // Changes whenever the line is opened anew (an adapter pulled out and put back):
  // what was written under one session never reaches the device of another.
  virtual std::uint32_t Session() const = 0;
};

}  // namespace common
