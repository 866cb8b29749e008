#include "core/dataset/SortText.h"

#include <QStringList>

QList<SortItem> parseSortText(const QString &text)
{
    QList<SortItem> items;
    for (const QString &part : text.split(u',')) {
        QString item = part.trimmed();
        if (item.isEmpty())
            continue;
        SortItem sort;
        const qsizetype blank = item.lastIndexOf(u' ');
        const QString lastWord = blank < 0 ? item : item.mid(blank + 1);
        const bool isDesc = lastWord.compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        const bool isAsc = lastWord.compare(QLatin1String("ASC"), Qt::CaseInsensitive) == 0;
        if (blank >= 0 && (isDesc || isAsc)) {
            sort.descending = isDesc;
            item = item.left(blank).trimmed();
        }
        if (item.size() >= 2 && item.startsWith(u'[') && item.endsWith(u']'))
            item = item.mid(1, item.size() - 2);
        sort.field = item;
        items.append(sort);
    }
    return items;
}
