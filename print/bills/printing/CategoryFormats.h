#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The formats of the category of a format (the open one included), in the order they were
// made: the choices of the format menu of 套打 and 预览. A category of one format prints at once.
QStringList CategoryFormats(const QSqlDatabase &db, const QString &noteName);
