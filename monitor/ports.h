// What the console's core asks of the world around it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/picture.h"
#include "common/serial_line.h"

namespace monitor {

// The siren player and the beeper.
struct Sound {
  virtual ~Sound() = default;
  // Opens a .wav file; throws PlatformError when the device cannot be opened.
  virtual void Open(const std::string& path) = 0;
  // False when the player cannot play now: nothing playable opened, or no sound output.
  virtual bool Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;
  virtual void Beep(int hz, int ms) = 0;
};

// The archive report: preview, printer set-up and printing; returns when closed.
struct ReportPrinter {
  virtual ~ReportPrinter() = default;
  virtual void Preview(const std::vector<std::string>& lines) = 0;
};

struct ConsolePorts {
  common::Dialogs& dialogs;
  common::SerialLine& modem;  // COM1
  common::SerialLine& rs485;  // COM2
  Sound& sound;
  ReportPrinter& printer;
  common::Picture& picture;
  common::Clock& clock;
  std::filesystem::path folder;  // the working folder
  std::string program_path;      // the program's own full file path
  std::string program_name = "Stanmon";
};

}  // namespace monitor
