#include "core/printfun/FontInfo.h"

#include "core/errors/CorvaneError.h"
#include "core/printfun/FontSubstitution.h"

#include <QStringList>

#include <cmath>

namespace {
const QString kBold = QStringLiteral("粗体");
const QString kItalic = QStringLiteral("斜体");
const QString kUnderline = QStringLiteral("下划线");
const QString kStrikeOut = QStringLiteral("删除线");

bool styleItem(const QStringList &items, int index)
{
    return index < items.size() && !items.at(index).isEmpty();
}
}

std::optional<QFont> DecodeFontInfo(const QString &fontString)
{
    if (fontString.isEmpty())
        return std::nullopt;
    InstallFontSubstitutions();
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

QString EncodeFontInfo(const QFont &font)
{
    const int size = font.pointSize() > 0 ? font.pointSize() : static_cast<int>(std::nearbyint(font.pointSizeF()));
    return QStringLiteral("%1;%2;%3;%4;%5;%6")
        .arg(font.family())
        .arg(size)
        .arg(font.bold() ? kBold : QString(), font.italic() ? kItalic : QString(),
             font.underline() ? kUnderline : QString(), font.strikeOut() ? kStrikeOut : QString());
}

QString DefaultFontInfo()
{
    return QStringLiteral("黑体;10;;;;");
}
