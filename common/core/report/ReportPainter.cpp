#include "core/report/ReportPainter.h"

#include "core/text/FontString.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace {

constexpr double kMmPerInch = 25.4;

struct DeviceScale
{
    double x;
    double y;
    QRectF rect(const QRectF &mm) const { return {mm.x() * x, mm.y() * y, mm.width() * x, mm.height() * y}; }
};

DeviceScale scaleOf(const QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return {device->logicalDpiX() / kMmPerInch, device->logicalDpiY() / kMmPerInch};
}

QPen linePen(const ReportItem &item, const DeviceScale &scale)
{
    QPen pen(Qt::black);
    pen.setWidthF(std::max(item.lineWidth * scale.x, 1.0));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void paintFrame(QPainter &painter, const QRectF &r, const ReportItem &item, const DeviceScale &scale)
{
    if (item.frame == FrameNone)
        return;
    painter.setPen(linePen(item, scale));
    if (item.frame & FrameLeft)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (item.frame & FrameTop)
        painter.drawLine(r.topLeft(), r.topRight());
    if (item.frame & FrameRight)
        painter.drawLine(r.topRight(), r.bottomRight());
    if (item.frame & FrameBottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
}

} // namespace

void PaintReportItem(QPainter &painter, const ReportItem &item, const QImage &picture)
{
    const DeviceScale scale = scaleOf(painter);
    const QRectF r = scale.rect(item.rect);
    painter.save();
    switch (item.kind) {
    case ReportItemKind::Text: {
        painter.setFont(FontFromFontString(item.font));
        painter.setPen(Qt::black);
        // A small inner margin keeps text off its frame lines.
        const double inset = 0.5 * scale.x;
        painter.drawText(r.adjusted(inset, 0, -inset, 0), int(item.alignment) | Qt::TextWordWrap, item.text);
        paintFrame(painter, r, item, scale);
        break;
    }
    case ReportItemKind::Line:
        painter.setPen(linePen(item, scale));
        painter.drawLine(r.topLeft(), r.bottomRight());
        break;
    case ReportItemKind::Rectangle:
        painter.setPen(linePen(item, scale));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        break;
    case ReportItemKind::Picture:
        if (!picture.isNull()) {
            const QSizeF fitted = QSizeF(picture.size()).scaled(r.size(), Qt::KeepAspectRatio);
            QRectF target(QPointF(), fitted);
            target.moveCenter(r.center());
            painter.drawImage(target, picture);
        }
        paintFrame(painter, r, item, scale);
        break;
    }
    painter.restore();
}

void PaintReportPage(QPainter &painter, const ReportPage &page)
{
    for (const PlacedReportItem &placed : page.items)
        PaintReportItem(painter, placed.item, placed.picture);
}

bool PrintReport(QPagedPaintDevice &device, const LaidOutReport &report)
{
    // Page sizes are named upright; a wide paper is the upright one turned.
    const bool wide = report.page.width > report.page.height;
    const QSizeF upright = wide ? QSizeF(report.page.height, report.page.width) : QSizeF(report.page.width, report.page.height);
    const QPageSize size(upright, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    if (!device.setPageLayout(QPageLayout(size, wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                                          QPageLayout::Millimeter)))
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (qsizetype i = 0; i < report.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        PaintReportPage(painter, report.pages.at(i));
    }
    return painter.end();
}
