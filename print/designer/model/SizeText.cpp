#include "designer/model/SizeText.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
constexpr qint64 kTypedNumberLimit = 1000000000;
}

std::optional<int> NumberFromText(const QString &text)
{
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (!wholeNumber.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok);
    if (!ok)  // more digits than any number holds
        return trimmed.startsWith(u'-') ? int(-kTypedNumberLimit) : int(kTypedNumberLimit);
    return int(std::clamp(value, -kTypedNumberLimit, kTypedNumberLimit));
}
