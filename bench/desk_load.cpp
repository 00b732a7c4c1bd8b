// The console's load on a duty PC beside the floor that Qt itself sets. Starts,
// side by side and offscreen, each in its own temporary folder:
//   floor    a bare Qt window of the console's size with one 101 ms timer;
//   idle     the console, its modem answering, no polling;
//   polling  the console polling four devices that answer and never change;
//   traffic  the console polling, a device changing at every answer (one change
//            every 1.25 s at the 1 s pause) and an object's SMS report every 4 s.
// Lets them settle, then measures processor time and resident memory over a
// fixed time and prints them with their ratios to the floor.
//
//   desk_load [--seconds N] [--settle N] [--quick]
//
// --quick runs a few seconds and checks only that every program ran and talked
// to its lines; its figures are not judged.
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/desk_sims.h"
#include "bench/proc_figures.h"
#include "tests/e2e/pty.h"
#include "tests/support/common_fakes.h"

namespace {

using bench::Clock;

struct Options {
  int settle_seconds = 10;
  int seconds = 60;
  bool quick = false;
};

enum class Kind { kFloor, kIdle, kPolling, kTraffic };

struct Case {
  const char* name = "";
  Kind kind = Kind::kFloor;
  testing_support::TempFolder folder;
  std::unique_ptr<e2e::Pty> modem_line;
  std::unique_ptr<e2e::Pty> rs485_line;
  std::unique_ptr<bench::SimulatedModem> modem;
  std::unique_ptr<bench::SimulatedDevices> devices;
  std::unique_ptr<e2e::Process> process;
  bench::CpuMark from;
  double cpu = 0;
  double rss_from = 0;  // when the measurement begins
  double rss = 0;
};

// A short siren sound: the desk has one, and the console opens it at start-up.
std::string SirenWav() {
  const std::uint32_t rate = 8000;
  const std::uint32_t data = rate / 2 * 2;  // half a second of 16-bit silence
  std::string wav = "RIFF";
  const auto put32 = [&wav](std::uint32_t v) { wav.append(reinterpret_cast<char*>(&v), 4); };
  const auto put16 = [&wav](std::uint16_t v) { wav.append(reinterpret_cast<char*>(&v), 2); };
  put32(36 + data);
  wav += "WAVEfmt ";
  put32(16);
  put16(1);  // PCM
  put16(1);  // mono
  put32(rate);
  put32(rate * 2);
  put16(2);
  put16(16);
  wav += "data";
  put32(data);
  wav.append(data, '\0');
  return wav;
}

void Start(Case& c) {
  const std::map<std::string, std::string> offscreen{{"QT_QPA_PLATFORM", "offscreen"}};
  if (c.kind == Kind::kFloor) {
    c.process = std::make_unique<e2e::Process>(FLOOR_BINARY, c.folder.path.string(), offscreen);
    return;
  }
  c.folder.Write("avaria.wav", SirenWav());
  if (c.kind == Kind::kTraffic) c.folder.Write("telefon.txt", bench::ReportPhones());
  c.modem_line = std::make_unique<e2e::Pty>();
  c.rs485_line = std::make_unique<e2e::Pty>();
  c.modem = std::make_unique<bench::SimulatedModem>(*c.modem_line, c.kind == Kind::kTraffic);
  c.devices = std::make_unique<bench::SimulatedDevices>(*c.rs485_line, c.kind == Kind::kTraffic);
  std::map<std::string, std::string> env = offscreen;
  env["STANMON_COM1"] = c.modem_line->slave_name;
  env["STANMON_COM2"] = c.rs485_line->slave_name;
  const char* binary = c.kind == Kind::kIdle ? STANMON_BINARY : STANMON_POLLING_BINARY;
  c.process = std::make_unique<e2e::Process>(binary, c.folder.path.string(), env);
}

std::string ReadAvailable(int fd) {
  char buffer[512];
  const ssize_t n = read(fd, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

// Serves every simulated line until the time is up.
void Serve(std::vector<std::unique_ptr<Case>>& cases, Clock::time_point until) {
  while (Clock::now() < until) {
    std::vector<pollfd> fds;
    for (const auto& c : cases) {
      if (!c->modem) continue;
      fds.push_back({c->modem_line->master, POLLIN, 0});
      fds.push_back({c->rs485_line->master, POLLIN, 0});
    }
    poll(fds.data(), fds.size(), 20);
    size_t at = 0;
    for (const auto& c : cases) {
      if (!c->modem) continue;
      if (fds[at++].revents & POLLIN) c->modem->Take(ReadAvailable(c->modem_line->master));
      if (fds[at++].revents & POLLIN) c->devices->Take(ReadAvailable(c->rs485_line->master));
      c->modem->Tick(Clock::now());
    }
  }
}

// A program that stopped, or never heard from or answered its lines, makes the
// figures worthless.
bool CheckRan(Case& c) {
  bool ok = c.process->Running();
  if (!ok) std::fprintf(stderr, "%s: the program has ended\n", c.name);
  if (c.modem && c.modem->commands() == 0) {
    std::fprintf(stderr, "%s: nothing reached the modem\n", c.name);
    ok = false;
  }
  if (c.kind != Kind::kIdle && c.devices && c.devices->requests() == 0) {
    std::fprintf(stderr, "%s: no poll request reached the devices\n", c.name);
    ok = false;
  }
  return ok;
}

void PrintTable(const std::vector<std::unique_ptr<Case>>& cases, const Options& options,
                double stalled_seconds) {
  const Case& floor = *cases.front();
  std::printf("%d s after %d s to settle; CPU in %% of one core, RSS in MB (1024 kB)%s\n",
              options.seconds, options.settle_seconds,
              options.quick ? "; quick run, figures not judged" : "");
  // Under memory pressure the kernel drops the programs' pages: RSS falls and
  // faulting them back in costs processor time.
  if (stalled_seconds > 0.1)
    std::printf("the machine stalled on memory for %.1f s: these figures are not valid\n",
                stalled_seconds);
  std::printf("%-8s %8s %8s %10s %10s %8s  %s\n", "case", "CPU %", "RSS MB", "CPU/floor",
              "RSS-floor", "RSS grew", "lines");
  for (const auto& c : cases) {
    std::string lines;
    if (c->modem) {
      lines = std::to_string(c->modem->commands()) + " modem commands, " +
              std::to_string(c->devices->requests()) + " polls answered, " +
              std::to_string(c->modem->reports_read()) + " reports read";
    }
    std::printf("%-8s %8.3f %8.1f %10.2f %10.1f %8.1f  %s\n", c->name, c->cpu, c->rss,
                floor.cpu > 0 ? c->cpu / floor.cpu : 0.0, c->rss - floor.rss, c->rss - c->rss_from,
                lines.c_str());
  }
}

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      options = {4, 3, true};
    } else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
      options.seconds = std::stoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--settle") == 0 && i + 1 < argc) {
      options.settle_seconds = std::stoi(argv[++i]);
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  std::vector<std::unique_ptr<Case>> cases;
  for (auto [name, kind] :
       {std::pair{"floor", Kind::kFloor}, std::pair{"idle", Kind::kIdle},
        std::pair{"polling", Kind::kPolling}, std::pair{"traffic", Kind::kTraffic}}) {
    auto c = std::make_unique<Case>();
    c->name = name;
    c->kind = kind;
    Start(*c);
    cases.push_back(std::move(c));
  }
  Serve(cases, Clock::now() + std::chrono::seconds(options.settle_seconds));
  for (auto& c : cases) {
    c->from = bench::MarkCpu(c->process->pid);
    c->rss_from = bench::RssMegabytes(c->process->pid);
  }
  const double stalled_before = bench::MemoryStallSeconds();
  Serve(cases, Clock::now() + std::chrono::seconds(options.seconds));
  const double stalled = bench::MemoryStallSeconds() - stalled_before;
  bool ok = true;
  for (auto& c : cases) {
    c->cpu = bench::CpuPercent(c->from, bench::MarkCpu(c->process->pid));
    c->rss = bench::RssMegabytes(c->process->pid);
    ok = CheckRan(*c) && ok;
  }
  PrintTable(cases, options, stalled);
  return ok ? 0 : 1;
}
