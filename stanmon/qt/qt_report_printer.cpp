#include "stanmon/qt/qt_report_printer.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "stanmon/qt/report_painter.h"

namespace stanmon {

void QtReportPrinter::Preview(const std::vector<std::string>& lines) {
  const QString title = QStringLiteral("Журнал событий");
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(ReportPageLayout());
  printer.setDocName(title);

  QPrintPreviewDialog dialog(&printer, window_);
  dialog.setWindowTitle(title);
  // Asked again for every preview refresh and for the printout itself.
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [this, &lines](QPrinter* target) {
                     QPainter painter(target);
                     PaintArchiveReport(painter, *target, lines, clock_.Now());
                   });
  dialog.exec();
}

}  // namespace stanmon
