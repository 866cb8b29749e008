#include "designer/model/SizeText.h"

#include <algorithm>

std::optional<int> PositionFromText(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> SizeFromText(const QString &text)
{
    const std::optional<int> value = PositionFromText(text);
    if (!value)
        return std::nullopt;
    return std::max(1, *value);
}
