#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What the format picker offers for a bill kind: every kind in list order with the given one
// selected (-1 when it is not listed), and the kind's formats by name.
struct FormatChoices
{
    QStringList kinds;
    int kindIndex = -1;
    QStringList formats;
};

FormatChoices FormatChoicesFor(const QSqlDatabase &db, const QString &kind);
