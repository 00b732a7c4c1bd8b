// The console's core: its window as data, its own state, the state it shares
// with the field side, and its ports.
// Every handler is a free function over a Station.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "monitor/console_form.h"
#include "monitor/core_state.h"
#include "monitor/file_faults.h"
#include "monitor/ports.h"
#include "monitor/shared_state.h"

namespace monitor {

// The report form Form2: the lines of the archive report last previewed.
struct ReportForm {
  std::string Caption = "Журнал";
  std::vector<std::string> Items;  // QRStringsBand1: one detail band per line
};

struct Station {
  explicit Station(ConsolePorts p) : form(MakeConsoleForm()), ports(std::move(p)) {}

  ConsoleForm form;
  SharedState state;  // handed between the core and the field side
  CoreState core;
  ConsolePorts ports;
  ReportForm Form2;
  FileFaults faults;

  // A file of the working folder.
  std::filesystem::path File(const std::string& name) const { return ports.folder / name; }
};

}  // namespace monitor
