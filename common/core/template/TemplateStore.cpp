#include "core/template/TemplateStore.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/errors/CorvaneError.h"

namespace {

// One insert with bound values; every column must be one of the table's.
qint64 insertRow(const QSqlDatabase &db, const QString &table, const QVariantMap &row)
{
    QStringList known;
    for (const TableColumn &column : TableColumns(db, table))
        known.append(column.name);
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (auto it = row.cbegin(); it != row.cend(); ++it) {
        if (!known.contains(it.key(), Qt::CaseInsensitive))
            throw CorvaneError(QStringLiteral("%1 没有字段 %2").arg(table, it.key()));
        names.append(SqlName(it.key()));
        marks.append(QStringLiteral("?"));
        values.append(it.value());
    }
    ExecTmpQuery(db,
                 QStringLiteral("insert into %1 (%2) values (%3)")
                     .arg(SqlName(table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                 values);
    return SelTableIntValue(db, QStringLiteral("select last_insert_rowid()"));
}

QString fieldsSql(const QString &condition, const QString &order)
{
    return QStringLiteral("select b.* from p_NoteList a join p_NoteCntlList b on a.RefNo = b.RefNo "
                          "where a.NoteName = ? and b.ParentId = ? and b.Ctlx is not null%1 order by %2")
        .arg(condition, order);
}

} // namespace

QString DefaultFlagFor(const QSqlDatabase &db, const QString &category, const QString &noteName)
{
    const bool another = !SqlTableIsEmpty(
        db,
        QStringLiteral("select 1 from p_NoteList where \"default\" = '是' and NoteNameType = ? and NoteName <> ?"),
        {category, noteName});
    return another ? QStringLiteral("否") : QStringLiteral("是");
}

qint64 InsertTemplateRow(const QSqlDatabase &db, QVariantMap row)
{
    row.insert(QStringLiteral("default"), DefaultFlagFor(db, row.value(QStringLiteral("NoteNameType")).toString(),
                                                         row.value(QStringLiteral("NoteName")).toString()));
    return insertRow(db, QStringLiteral("p_NoteList"), row);
}

qint64 InsertTemplateFieldRow(const QSqlDatabase &db, const QVariantMap &row)
{
    return insertRow(db, QStringLiteral("p_NoteCntlList"), row);
}

QString PlacedFieldsSql()
{
    return fieldsSql(QString(), QStringLiteral("b.Ctlx"));
}

QString PrintedGridColumnsSql()
{
    return fieldsSql(QStringLiteral(" and b.NeedPrint = '是'"), QStringLiteral("b.autoid"));
}
