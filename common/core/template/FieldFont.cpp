#include "core/template/FieldFont.h"

#include "core/errors/CorvaneError.h"

#include <QStringList>

namespace {
bool styleItem(const QStringList &items, int index)
{
    return index < items.size() && !items.at(index).isEmpty();
}

QString styleWord(bool on, const char16_t *word)
{
    return on ? QString::fromUtf16(word) : QString();
}
}

std::optional<FieldFont> FieldFont::decode(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    const QStringList items = text.split(QLatin1Char(';'));
    const QString sizeText = items.value(1);
    bool ok = false;
    const int size = sizeText.trimmed().toInt(&ok);
    if (!ok)
        throw CorvaneError(QStringLiteral("'%1' is not a valid integer value").arg(sizeText));
    FieldFont font;
    font.name = items.at(0);
    font.pointSize = size;
    font.bold = styleItem(items, 2);
    font.italic = styleItem(items, 3);
    font.underline = styleItem(items, 4);
    font.strikeOut = styleItem(items, 5);
    return font;
}

QString FieldFont::text() const
{
    return QStringList{name, QString::number(pointSize), styleWord(bold, u"粗体"), styleWord(italic, u"斜体"),
                       styleWord(underline, u"下划线"), styleWord(strikeOut, u"删除线")}
        .join(QLatin1Char(';'));
}

QFont FieldFont::toFont() const
{
    QFont font(name);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeOut);
    return font;
}
