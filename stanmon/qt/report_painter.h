// Paints the archive report laid out by the core: a page header on every page
// and one detail band per archive line, on any paged device (printer, PDF).
#pragma once

#include <QFont>
#include <QPageLayout>
#include <string>
#include <vector>

#include "common/clock.h"
#include "monitor/archive_report.h"

class QPagedPaintDevice;
class QPainter;

namespace stanmon {

// The report's paper as it is first offered: A4 portrait with 10 mm margins.
QPageLayout ReportPageLayout();

// Arial's metrics: Liberation Sans where it is installed, else a sans-serif face.
QFont ReportFont(double point_size, bool bold = false);

// Paints every page of the report onto the device the painter is active on,
// starting a new device page before each page after the first; `now` goes into
// every page header. The pages are laid out on the device's page as it is set
// now, so a turned or other paper gets as many lines a page as it holds.
// Returns the number of pages painted.
int PaintArchiveReport(QPainter& painter, QPagedPaintDevice& device,
                       const std::vector<std::string>& lines, const common::DateTime& now);

}  // namespace stanmon
