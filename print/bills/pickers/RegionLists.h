#pragma once

#include <QSqlDatabase>
#include <QStringList>

// The provinces and the cities of a province offered by the company editor, from the region
// table DMTable2 (empty lists while the database has no such table).
QStringList ProvinceList(const QSqlDatabase &db);
QStringList CityList(const QSqlDatabase &db, const QString &province);
