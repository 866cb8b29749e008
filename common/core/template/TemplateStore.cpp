#include "core/template/TemplateStore.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/Transaction.h"
#include "core/template/TemplateColumns.h"

#include <QSqlRecord>

namespace {

template <typename Row>
Row rowOf(const QSqlRecord &record, const QList<TemplateColumn<Row>> &columns)
{
    Row row;
    for (const TemplateColumn<Row> &column : columns)
        column.load(row, record.value(column.name));
    row.autoid = record.value(QStringLiteral("autoid")).toLongLong();
    return row;
}

// Inserts the row (with its autoid when it has one) and returns the autoid it got.
template <typename Row>
qint64 insertRow(const QSqlDatabase &db, const QString &table, const Row &row,
                 const QList<TemplateColumn<Row>> &columns)
{
    QStringList names;
    QStringList marks;
    QVariantList values;
    if (row.autoid != 0) {
        names.append(QStringLiteral("autoid"));
        marks.append(QStringLiteral("?"));
        values.append(row.autoid);
    }
    for (const TemplateColumn<Row> &column : columns) {
        names.append(SqlName(column.name));
        marks.append(QStringLiteral("?"));
        values.append(column.stored(row));
    }
    ExecTmpQuery(db,
                 QStringLiteral("insert into %1 (%2) values (%3)")
                     .arg(table, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                 values);
    return SelTableIntValue(db, QStringLiteral("select last_insert_rowid()"));
}

void replaceFields(const QSqlDatabase &db, const QString &refNo, QList<TemplateField> &fields)
{
    ExecTmpQuery(db, QStringLiteral("delete from p_NoteCntlList where RefNo = ?"), {refNo});
    for (TemplateField &field : fields) {
        field.refNo = refNo;
        field.autoid = insertRow(db, QStringLiteral("p_NoteCntlList"), field, FieldColumns());
    }
}

void updateNote(const QSqlDatabase &db, const TemplateNote &note)
{
    QStringList sets;
    QVariantList values;
    for (const TemplateColumn<TemplateNote> &column : NoteColumns()) {
        sets.append(SqlName(column.name) + QStringLiteral(" = ?"));
        values.append(column.stored(note));
    }
    values.append(note.autoid);
    ExecTmpQuery(db, QStringLiteral("update p_NoteList set %1 where autoid = ?").arg(sets.join(QLatin1Char(','))),
                 values);
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

std::optional<TemplateDocument> LoadTemplate(const QSqlDatabase &db, const QString &noteName)
{
    QSqlQuery note = RunStatement(db, QStringLiteral("select * from p_NoteList where NoteName = ?"), {noteName});
    if (!note.next())
        return std::nullopt;
    TemplateDocument document;
    document.note = rowOf(note.record(), NoteColumns());
    QSqlQuery fields = RunStatement(db, QStringLiteral("select * from p_NoteCntlList where RefNo = ? order by autoid"),
                                    {document.note.refNo});
    while (fields.next())
        document.fields.append(rowOf(fields.record(), FieldColumns()));
    return document;
}

std::optional<TemplateNote> LoadTemplateNote(const QSqlDatabase &db, const QString &refNo)
{
    QSqlQuery note = RunStatement(db, QStringLiteral("select * from p_NoteList where RefNo = ?"), {refNo});
    if (!note.next())
        return std::nullopt;
    return rowOf(note.record(), NoteColumns());
}

void SaveTemplate(const QSqlDatabase &db, TemplateDocument &document)
{
    Transaction transaction(db);
    TemplateNote &note = document.note;
    note.isDefault = DefaultFlagFor(db, note.noteNameType, note.noteName) == QStringLiteral("是");
    const bool stored = note.autoid != 0
        && !SqlTableIsEmpty(db, QStringLiteral("select 1 from p_NoteList where autoid = ?"), {note.autoid});
    if (stored)
        updateNote(db, note);
    else
        note.autoid = insertRow(db, QStringLiteral("p_NoteList"), note, NoteColumns());
    replaceFields(db, note.refNo, document.fields);
    transaction.commit();
}

bool SaveTemplateFields(const QSqlDatabase &db, const QString &refNo, QList<TemplateField> &fields)
{
    Transaction transaction(db);
    if (SqlTableIsEmpty(db, QStringLiteral("select 1 from p_NoteList where RefNo = ?"), {refNo}))
        return false;
    replaceFields(db, refNo, fields);
    transaction.commit();
    return true;
}
