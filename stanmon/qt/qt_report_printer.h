// The archive report port with Qt's print preview: zoom, paging, printer set-up
// and printing. The printer starts on A4 portrait; paper or orientation changed
// in the preview lays the pages out again.
#pragma once

#include "common/clock.h"
#include "monitor/ports.h"

class QWidget;

namespace stanmon {

class QtReportPrinter : public monitor::ReportPrinter {
 public:
  // The clock dates each page header as the pages are made.
  explicit QtReportPrinter(common::Clock& clock) : clock_(clock) {}

  // The preview opens over the window given here (none until the window exists).
  void SetWindow(QWidget* window) { window_ = window; }

  // Modal: returns when the preview window is closed.
  void Preview(const std::vector<std::string>& lines) override;

 private:
  common::Clock& clock_;
  QWidget* window_ = nullptr;
};

}  // namespace stanmon
