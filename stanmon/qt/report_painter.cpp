#include "stanmon/qt/report_painter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>

#include "common/qt/color.h"
#include "common/qt/render_util.h"

namespace stanmon {

namespace {

// Millimetres on the paper, from its top-left corner, to the painter's units.
struct PaperMap {
  double px_per_mm_x;
  double px_per_mm_y;
  QPointF origin_mm;  // where the painter's origin lies on the paper

  explicit PaperMap(const QPagedPaintDevice& device)
      : px_per_mm_x(device.logicalDpiX() / 25.4),
        px_per_mm_y(device.logicalDpiY() / 25.4),
        origin_mm(device.pageLayout().paintRect(QPageLayout::Millimeter).topLeft()) {}

  QRectF Rect(double left_mm, double top_mm, double right_mm, double bottom_mm) const {
    const QPointF top_left((left_mm - origin_mm.x()) * px_per_mm_x,
                           (top_mm - origin_mm.y()) * px_per_mm_y);
    const QPointF bottom_right((right_mm - origin_mm.x()) * px_per_mm_x,
                               (bottom_mm - origin_mm.y()) * px_per_mm_y);
    return {top_left, bottom_right};
  }
};

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

void PaintPage(QPainter& painter, const PaperMap& map, const monitor::ReportLayout& layout,
               const monitor::ReportPage& page, const std::vector<std::string>& lines,
               const common::DateTime& now) {
  const double left = layout.margins.left_mm;
  const double top = layout.margins.top_mm;
  const double right = layout.page_width_mm - layout.margins.right_mm;
  const double bottom = layout.page_height_mm - layout.margins.bottom_mm;
  // Text runs out at the right margin: cut, never wrapped.
  painter.setClipRect(map.Rect(left, top, right, bottom));

  const QPalette palette;
  for (const monitor::ReportHeaderItem& item : monitor::ReportPageHeader(now, page.number)) {
    painter.setFont(ReportFont(item.point_size, item.bold));
    painter.setPen(shell::ToQColor(item.color, palette));
    painter.drawText(map.Rect(left + item.left_mm, top, right, top + layout.header_mm), kTextFlags,
                     shell::ToQ(item.text));
  }

  painter.setFont(ReportFont(layout.font_pt));
  painter.setPen(Qt::black);
  for (std::size_t i = 0; i < page.line_count; ++i) {
    const double band_top = top + layout.header_mm + static_cast<double>(i) * layout.line_mm;
    painter.drawText(map.Rect(left, band_top, right, band_top + layout.line_mm), kTextFlags,
                     shell::ToQ(lines[page.first_line + i]));
  }
}

// The report laid out on a device's page: its paper in its orientation, its margins.
monitor::ReportLayout ReportLayoutOn(const QPageLayout& page) {
  const QRectF paper = page.fullRect(QPageLayout::Millimeter);
  const QMarginsF margins = page.margins(QPageLayout::Millimeter);
  monitor::ReportLayout layout;
  layout.page_width_mm = paper.width();
  layout.page_height_mm = paper.height();
  layout.margins = {margins.left(), margins.top(), margins.right(), margins.bottom()};
  return layout;
}

}  // namespace

QPageLayout ReportPageLayout() {
  const monitor::ReportLayout layout;
  const QPageSize size(QSizeF(layout.page_width_mm, layout.page_height_mm), QPageSize::Millimeter,
                       QString(), QPageSize::FuzzyMatch);
  const monitor::ReportMargins& m = layout.margins;
  return QPageLayout(size, QPageLayout::Portrait,
                     QMarginsF(m.left_mm, m.top_mm, m.right_mm, m.bottom_mm),
                     QPageLayout::Millimeter);
}

QFont ReportFont(double point_size, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(point_size);
  font.setBold(bold);
  return font;
}

int PaintArchiveReport(QPainter& painter, QPagedPaintDevice& device,
                       const std::vector<std::string>& lines, const common::DateTime& now) {
  const PaperMap map(device);
  const monitor::ReportLayout layout = ReportLayoutOn(device.pageLayout());
  const std::vector<monitor::ReportPage> pages = monitor::PaginateReport(lines.size(), layout);
  for (const monitor::ReportPage& page : pages) {
    if (page.number > 1) device.newPage();
    PaintPage(painter, map, layout, page, lines, now);
  }
  return static_cast<int>(pages.size());
}

}  // namespace stanmon
