#include "core/text/FontString.h"

#include <QStringList>

namespace {
const QString styleWords[] = {QStringLiteral("粗体"), QStringLiteral("斜体"), QStringLiteral("下划线"),
                              QStringLiteral("删除线")};
}

QString GetFontstyleStr(const QFont &font, int n)
{
    const bool present[] = {font.bold(), font.italic(), font.underline(), font.strikeOut()};
    if (n < 1 || n > 4 || !present[n - 1])
        return {};
    return styleWords[n - 1];
}

QString FontToFontString(const QFont &font)
{
    return QStringLiteral("%1;%2;%3;%4;%5;%6")
        .arg(font.family())
        .arg(font.pointSize())
        .arg(GetFontstyleStr(font, 1), GetFontstyleStr(font, 2), GetFontstyleStr(font, 3), GetFontstyleStr(font, 4));
}

QFont FontFromFontString(const QString &fontString, const QFont &base)
{
    QFont font = base;
    const QStringList parts = fontString.split(QLatin1Char(';'));
    if (!parts.value(0).isEmpty())
        font.setFamily(parts.value(0));
    bool sized = false;
    const int size = parts.value(1).toInt(&sized);
    if (sized && size > 0)
        font.setPointSize(size);
    if (parts.size() > 2) {
        const QStringList styles = parts.mid(2);
        font.setBold(styles.contains(styleWords[0]));
        font.setItalic(styles.contains(styleWords[1]));
        font.setUnderline(styles.contains(styleWords[2]));
        font.setStrikeOut(styles.contains(styleWords[3]));
    }
    return font;
}
