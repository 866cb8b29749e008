#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class DataSet;

// The company book's statements and the rules of its entries (bs_complist rows).

// The list from a row id on (-1: every row), in row order.
QString CompanyListSql();
// One entry by its row id.
QString CompanyEntrySql();

// A new entry is a partner without default marks; an entry is written only with its full name
// ("单位全称不能为空" otherwise, the row stays in edit).
void SetCompanyEntryRules(DataSet &entries);

// The default marks (isDefault, kdDefault) that some own entry of the book already carries: an
// import leaves them off its rows, so the book's defaults stay where they are.
QStringList DefaultMarksInBook(const QSqlDatabase &db);

// What deleting these entries takes with it, as a second line for the confirmation: the kinds
// of default that no own entry would carry any more ("删除后将没有默认开户行和默认寄件地址。");
// empty when no default goes.
QString DefaultsLostByDeleting(const QSqlDatabase &db, const QList<qint64> &autoids);
