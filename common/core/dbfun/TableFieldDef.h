#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// One defined field of a bill data table (a p_TableFields row, or a column entry of a template
// package).
struct TableFieldDef
{
    QString fieldName;
    QString fieldType;  // one of the nine field types; empty means 字符型
    int len = 0;        // text length; number of split columns for 拆分字符串
    int type = 0;       // 1 = no derived columns are filled for this field
    QString smallType;  // "小写拆分" or empty
    QString bigType;    // "大写合并", "合并+拆分", "大写拆分", "大写拆分2" or empty
    QString checkItems; // items of a 复选框 field, separated by ";"
};

// The definition of a table as saved in p_tables / p_TableFields, in field order.
QList<TableFieldDef> ReadTableFieldDefs(const QSqlDatabase &db, const QString &table);
