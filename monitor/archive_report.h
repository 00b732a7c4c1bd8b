// The archive report: pages with a page header and one 4.2 mm detail band per
// archive line, A4 portrait unless the printer's page is set otherwise. The
// layout lives here; the shell only paints it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "common/clock.h"
#include "monitor/controls.h"

namespace monitor {

struct ReportMargins {
  double left_mm = 10;
  double top_mm = 10;
  double right_mm = 10;
  double bottom_mm = 10;
};

struct ReportLayout {
  // The paper as it lies in the printer, orientation included.
  double page_width_mm = 210;
  double page_height_mm = 297;
  ReportMargins margins;
  double header_mm = 9.3;
  double line_mm = 4.2;
  double font_pt = 10;  // Arial 10 pt
};

// Detail bands that fit under the page header, at least one.
int LinesPerPage(const ReportLayout& layout);

struct ReportPage {
  int number = 1;  // from 1
  std::size_t first_line = 0;
  std::size_t line_count = 0;
};

// Which lines go on which page; an empty report still has one page, with its header.
std::vector<ReportPage> PaginateReport(std::size_t lines, const ReportLayout& layout = {});

// One element of the page header, at the header band's top edge.
struct ReportHeaderItem {
  double left_mm;  // from the left margin
  std::string text;
  double point_size;
  bool bold = false;
  Color color = 0x00000000;  // black
};

// Date, time, "Журнал событий" (12 pt bold navy), "Страница " and the page number.
std::vector<ReportHeaderItem> ReportPageHeader(const common::DateTime& now, int page);

}  // namespace monitor
