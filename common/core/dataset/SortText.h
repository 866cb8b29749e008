#pragma once

#include <QList>
#include <QString>

// One item of a sort text such as "金额 DESC,id".
struct SortItem
{
    QString field;
    bool descending = false;
};

// Items are separated by ','; an item's last word, when it is ASC or DESC (any letter case), is
// its direction, everything before it the field name (a name may itself contain "desc" or
// blanks, and may stand in brackets). Empty items are skipped.
QList<SortItem> parseSortText(const QString &text);
