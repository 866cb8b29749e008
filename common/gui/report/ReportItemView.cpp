#include "gui/report/ReportItemView.h"

#include "core/report/ReportPainter.h"
#include "gui/printfun/ComponentControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace {
constexpr int kZoneMargin = 3;
constexpr int kMinimumPixels = 4;  // lines have no height (or width) of their own

double tenths(double mm)
{
    return std::round(mm * 10) / 10;
}
} // namespace

ReportItemView::ReportItemView(int index, const ReportItem &item, QWidget *band) : QWidget(band), m_index(index), m_item(item)
{
    setMouseTracking(true);
    setGeometry(pixelRect(item.rect));
}

double ReportItemView::pixelsPerMm() const
{
    return logicalDpiX() / 25.4;
}

QRect ReportItemView::pixelRect(const QRectF &mm) const
{
    const double scale = pixelsPerMm();
    return QRect(int(std::lround(mm.x() * scale)), int(std::lround(mm.y() * scale)),
                 std::max(int(std::lround(mm.width() * scale)), kMinimumPixels),
                 std::max(int(std::lround(mm.height() * scale)), kMinimumPixels));
}

QRectF ReportItemView::millimetreRect() const
{
    // Edges the drag left alone keep their millimetres; a move keeps the size exactly.
    const double scale = pixelsPerMm();
    const QRect before = pixelRect(m_item.rect);
    const QRect after = geometry();
    const QRectF &mm = m_item.rect;
    if (after.size() == before.size())
        return mm.translated(tenths((after.x() - before.x()) / scale), tenths((after.y() - before.y()) / scale));
    const auto edge = [scale](double value, int was, int now) { return was == now ? value : tenths(value + (now - was) / scale); };
    const double left = edge(mm.left(), before.left(), after.left());
    const double top = edge(mm.top(), before.top(), after.top());
    const double right = edge(mm.left() + mm.width(), before.x() + before.width(), after.x() + after.width());
    const double bottom = edge(mm.top() + mm.height(), before.y() + before.height(), after.y() + after.height());
    return QRectF(left, top, std::max(right - left, 0.0), std::max(bottom - top, 0.0));
}

void ReportItemView::setItem(const ReportItem &item)
{
    m_item = item;
    setGeometry(pixelRect(item.rect));
    update();
}

void ReportItemView::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void ReportItemView::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void ReportItemView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    ReportItem shown = m_item;
    shown.rect.moveTo(0, 0);
    if (shown.kind == ReportItemKind::Line) {
        // Drawn across the view's box, whatever its thickness on screen.
        shown.rect.setSize(QSizeF(width(), height()) / pixelsPerMm());
        if (m_item.rect.height() * pixelsPerMm() <= kMinimumPixels)
            shown.rect = QRectF(0, height() / 2.0 / pixelsPerMm(), width() / pixelsPerMm(), 0);
        else if (m_item.rect.width() * pixelsPerMm() <= kMinimumPixels)
            shown.rect = QRectF(width() / 2.0 / pixelsPerMm(), 0, 0, height() / pixelsPerMm());
    }
    PaintReportItem(painter, shown, m_picture);
    if (shown.kind == ReportItemKind::Picture && m_picture.isNull()) {
        painter.setPen(Qt::gray);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("图片"));
    }
    QPen outline(m_selected ? QColor(0, 90, 220) : QColor(190, 190, 190));
    outline.setStyle(m_selected ? Qt::SolidLine : Qt::DotLine);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ReportItemView::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT pressed(this);
    const QRect before = geometry();
    const QPoint at = event->position().toPoint();
    ComponentControl(this, event->buttons(), event->modifiers(), at.x(), at.y(), kZoneMargin);
    if (geometry() != before)
        Q_EMIT geometryEdited(this);
}

void ReportItemView::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton) {
        const QPoint at = event->position().toPoint();
        ComponentControl(this, Qt::NoButton, event->modifiers(), at.x(), at.y(), kZoneMargin);
    }
}
