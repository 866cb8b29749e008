#include "core/template/FieldGeometry.h"

#include <algorithm>

namespace {

bool sizeFits(int size)
{
    return size >= kSmallestFieldSize && size <= kLargestFieldSize;
}

// Whether [start, start + size) overlaps [0, extent).
bool onPage(int start, int size, int extent)
{
    return qint64(start) + size > 0 && start < extent;
}

int nearestOnPage(int start, int size, int extent)
{
    if (onPage(start, size, extent))
        return start;
    return start < 0 ? 0 : std::max(0, extent - size);
}

} // namespace

QSize NewFieldSize(EditKindIndex kind)
{
    switch (kind) {
    case ekDropDown:
    case ekDate:
        return {100, 22};
    case ekMemo:
        return {100, 60};
    case ekGrid:
        return {500, 200};
    case ekTick:
    case ekMultiTick:
    case ekMultiTick2:
        return {20, 20};
    default:
        return {180, 22};
    }
}

std::optional<QString> FieldGeometryFault(const QRect &rect, const QSize &page)
{
    const auto sizeFault = [](const QString &what, int size) -> std::optional<QString> {
        if (size < kSmallestFieldSize)
            return QStringLiteral("%1不能小于%2").arg(what).arg(kSmallestFieldSize);
        if (size > kLargestFieldSize)
            return QStringLiteral("%1不能大于%2").arg(what).arg(kLargestFieldSize);
        return std::nullopt;
    };
    if (auto fault = sizeFault(QStringLiteral("宽度"), rect.width()))
        return fault;
    if (auto fault = sizeFault(QStringLiteral("高度"), rect.height()))
        return fault;
    const auto positionFault = [](const QString &what, int start, int size, int extent) -> std::optional<QString> {
        if (onPage(start, size, extent))
            return std::nullopt;
        return QStringLiteral("%1应在%2到%3之间，否则字段完全在图片之外").arg(what).arg(1 - size).arg(extent - 1);
    };
    if (auto fault = positionFault(QStringLiteral("横向位置"), rect.x(), rect.width(), page.width()))
        return fault;
    return positionFault(QStringLiteral("纵向位置"), rect.y(), rect.height(), page.height());
}

QRect FieldBroughtOntoPage(const QRect &rect, const QSize &page, EditKindIndex kind)
{
    const QSize start = NewFieldSize(kind);
    const int width = sizeFits(rect.width()) ? rect.width() : start.width();
    const int height = sizeFits(rect.height()) ? rect.height() : start.height();
    return QRect(nearestOnPage(rect.x(), width, page.width()), nearestOnPage(rect.y(), height, page.height()), width,
                 height);
}
