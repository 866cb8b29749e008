#include "core/printfun/FontInfo.h"

#include "core/errors/CorvaneError.h"

#include <QStringList>

namespace {
bool styleItem(const QStringList &items, int index)
{
    return index < items.size() && !items.at(index).isEmpty();
}
}

std::optional<QFont> DecodeFontInfo(const QString &fontString)
{
    if (fontString.isEmpty())
        return std::nullopt;
    const QStringList items = fontString.split(QLatin1Char(';'));
    const QString sizeText = items.value(1);
    bool ok = false;
    const int size = sizeText.trimmed().toInt(&ok);
    if (!ok)
        throw CorvaneError(QStringLiteral("'%1' is not a valid integer value").arg(sizeText));

    QFont font(items.at(0));
    if (size > 0)
        font.setPointSize(size);
    font.setBold(styleItem(items, 2));
    font.setItalic(styleItem(items, 3));
    font.setUnderline(styleItem(items, 4));
    font.setStrikeOut(styleItem(items, 5));
    return font;
}

QString DefaultFontInfo()
{
    return QStringLiteral("黑体;10;;;;");
}
