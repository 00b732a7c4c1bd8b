// The console's core: its window as data, its shared state and its ports.
// Every handler is a free function over a Station.
#pragma once

#include <filesystem>
#include <string>

#include "monitor/console_form.h"
#include "monitor/ports.h"
#include "monitor/shared_state.h"

namespace monitor {

struct Station {
  explicit Station(ConsolePorts p) : form(MakeConsoleForm()), ports(std::move(p)) {}

  ConsoleForm form;
  SharedState state;
  ConsolePorts ports;

  // A file of the working folder.
  std::filesystem::path File(const std::string& name) const { return ports.folder / name; }
};

}  // namespace monitor
