#include "core/text/ListSplit.h"

#include <QStringList>

namespace {
QStringList splitAtText(const QString &text, const QString &separator)
{
    if (text.isEmpty() || separator.isEmpty())
        return {};
    return text.split(separator, Qt::KeepEmptyParts);
}

QStringList splitAtCharacters(const QString &text, QString separators)
{
    if (separators.isEmpty())
        separators = QStringLiteral(",;");
    QStringList items;
    QString current;
    for (const QChar c : text) {
        if (separators.contains(c)) {
            items.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        items.append(current);
    return items;
}
}

QString GetStringIndexValue(const QString &text, const QString &separators, int index)
{
    return splitAtCharacters(text, separators).value(index);
}

QString GetStringIndexValue2(const QString &text, const QString &separator, int index)
{
    return splitAtText(text, separator).value(index);
}

int GetStringIndexCount(const QString &text, const QString &separator)
{
    return int(splitAtText(text, separator).size());
}
