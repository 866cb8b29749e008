#include "bills/form/layout/PageOffset.h"

#include <QRegularExpression>

#include <cmath>

namespace {

constexpr double kNudgeMm = 0.5;

} // namespace

bool IsOffsetLikeText(const QString &text)
{
    static const QRegularExpression allowed(QStringLiteral("^[-.0-9]+$"));
    return allowed.match(text).hasMatch();
}

std::optional<double> OffsetFromText(const QString &text)
{
    if (text.endsWith(QLatin1Char('.')))
        return std::nullopt;
    return FinishedOffsetFromText(text);
}

std::optional<double> FinishedOffsetFromText(const QString &text)
{
    if (!IsOffsetLikeText(text))
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return StoredOffset(value);
}

double StoredOffset(double mm)
{
    return std::nearbyint(mm * 100.0) / 100.0;
}

QString OffsetText(double mm)
{
    const double stored = StoredOffset(mm);
    return QString::number(stored == 0 ? 0.0 : stored, 'g', 12);
}

PageOffset NudgedOffset(PageOffset offset, NudgeDirection direction)
{
    switch (direction) {
    case NudgeDirection::Left:
        offset.xMm -= kNudgeMm;
        break;
    case NudgeDirection::Right:
        offset.xMm += kNudgeMm;
        break;
    case NudgeDirection::Up:
        offset.yMm -= kNudgeMm;
        break;
    case NudgeDirection::Down:
        offset.yMm += kNudgeMm;
        break;
    }
    offset.xMm = StoredOffset(offset.xMm);
    offset.yMm = StoredOffset(offset.yMm);
    return offset;
}
