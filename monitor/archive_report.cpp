#include "monitor/archive_report.h"

#include <algorithm>
#include <cmath>

namespace monitor {

int LinesPerPage(const ReportLayout& layout) {
  const double body =
      layout.page_height_mm - layout.margins.top_mm - layout.margins.bottom_mm - layout.header_mm;
  // A small tolerance keeps a band that fits exactly from being pushed over by rounding.
  return std::max(1, static_cast<int>(std::floor(body / layout.line_mm + 1e-9)));
}

std::vector<ReportPage> PaginateReport(std::size_t lines, const ReportLayout& layout) {
  const auto per_page = static_cast<std::size_t>(LinesPerPage(layout));
  std::vector<ReportPage> pages;
  pages.reserve(lines / per_page + 1);
  std::size_t first = 0;
  do {
    const std::size_t count = std::min(per_page, lines - first);
    pages.push_back({static_cast<int>(pages.size()) + 1, first, count});
    first += count;
  } while (first < lines);
  return pages;
}

std::vector<ReportHeaderItem> ReportPageHeader(const common::DateTime& now, int page) {
  return {
      {0.0, common::FormatDate(now), 10},         {21.2, common::FormatTime(now), 10},
      {52.9, "Журнал событий", 12, true, clNavy}, {110.1, "Страница ", 10},
      {127.0, std::to_string(page), 10},
  };
}

}  // namespace monitor
