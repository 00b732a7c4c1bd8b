// The archive viewer's load and the report's pagination for a 100,000-line day.
#include <benchmark/benchmark.h>

#include <string>

#include "common/cp1251.h"
#include "monitor/archive_commands.h"
#include "monitor/archive_lines.h"
#include "monitor/archive_report.h"
#include "tests/support/fakes.h"

namespace {

constexpr int kLines = 100000;

void ViewArchiveOf100000Lines(benchmark::State& state) {
  testing_support::FakePorts fakes;
  monitor::Station st{fakes.Ports()};
  std::string bytes;
  for (int i = 0; i < kLines; ++i) {
    bytes +=
        common::Utf8ToCp1251(monitor::EventLine("05.03.2026 14:07:09", "Петров", " ЦТП 2", "02_05",
                                                "Вкл", "Дверь котельной " + std::to_string(i))) +
        "\r\n";
  }
  fakes.folder.Write("2026_03_05.txt", bytes);
  for (auto _ : state) {
    fakes.dialogs.text_answers = {"2026_03_05.txt"};
    monitor::ViewArchive(st);
    benchmark::DoNotOptimize(st.form.Memo2.Lines.data());
  }
}
BENCHMARK(ViewArchiveOf100000Lines)->Unit(benchmark::kMillisecond);

void Paginate100000Lines(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(monitor::PaginateReport(kLines));
}
BENCHMARK(Paginate100000Lines)->Unit(benchmark::kMicrosecond);

}  // namespace
