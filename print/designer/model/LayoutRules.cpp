#include "designer/model/LayoutRules.h"

#include <algorithm>

QRect AtLeastOnePixel(const QRect &rect)
{
    return QRect(rect.x(), rect.y(), std::max(1, rect.width()), std::max(1, rect.height()));
}

QRect AlignedRect(AlignMode mode, const QRect &reference, const QRect &own)
{
    QRect aligned = own;
    switch (mode) {
    case AlignMode::Left:
        aligned.moveLeft(reference.x());
        break;
    case AlignMode::Right:
        aligned.moveLeft(reference.x() + reference.width() - own.width());
        break;
    case AlignMode::Top:
        aligned.moveTop(reference.y());
        break;
    case AlignMode::Bottom:
        aligned.moveTop(reference.y() + reference.height() - own.height());
        break;
    }
    return aligned;
}

std::optional<PlacedControl> EqualSizeReference(const PlacedControls &controls, const DesignSelection &selection)
{
    for (auto it = controls.crbegin(); it != controls.crend(); ++it) {
        if (selection.contains(it->tag))
            return *it;
    }
    return std::nullopt;
}

QRect EqualSizedRect(SizeMode mode, const QRect &reference, const QRect &own)
{
    QRect sized = own;
    if (mode == SizeMode::Width)
        sized.setWidth(reference.width());
    else
        sized.setHeight(reference.height());
    return AtLeastOnePixel(sized);
}

QRect PastedRect(PasteMode mode, const QRect &source)
{
    if (mode == PasteMode::Right)
        return source.translated(source.width(), 0);
    return source.translated(0, source.height());
}

QRect NudgedRect(ArrowKey key, const QRect &rect)
{
    switch (key) {
    case ArrowKey::Left:
        return rect.translated(-1, 0);
    case ArrowKey::Right:
        return rect.translated(1, 0);
    case ArrowKey::Up:
        return rect.translated(0, -1);
    case ArrowKey::Down:
        return rect.translated(0, 1);
    }
    return rect;
}

QRect ResizedRect(ArrowKey key, const QRect &rect)
{
    QRect resized = rect;
    switch (key) {
    case ArrowKey::Left:
        resized.setWidth(rect.width() - 1);
        break;
    case ArrowKey::Right:
        resized.setWidth(rect.width() + 1);
        break;
    case ArrowKey::Up:
        resized.setHeight(rect.height() - 1);
        break;
    case ArrowKey::Down:
        resized.setHeight(rect.height() + 1);
        break;
    }
    return AtLeastOnePixel(resized);
}
