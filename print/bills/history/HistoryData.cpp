#include "bills/history/HistoryData.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/Transaction.h"
#include "core/dbfun/DeleteNoteTable.h"
#include "core/printfun/NoteLookup.h"

QString HistoryData::mainTableOfKind(const QString &kindWord) const
{
    return SelTableStringValue(m_db, QStringLiteral("select MainTableName from s_printType where PrintName=?"), {kindWord});
}

QString HistoryData::kindOfBill(const QString &noteName, const QString &listedKind) const
{
    const QString kind = NoteBaseType(m_db, noteName);
    return kind.isEmpty() ? listedKind : kind;
}

void HistoryData::deleteBills(const QString &table, const QList<Bill> &bills) const
{
    Transaction tx(m_db);
    for (const Bill &bill : bills) {
        DeleteNoteTable(m_db, table, bill.refNo, bill.id);
        ExecTmpQuery(m_db, QStringLiteral("delete from %1 where id=?").arg(SqlName(table)), {bill.id});
    }
    tx.commit();
}

void HistoryData::moveBillsToFormat(const QString &table, const QList<qint64> &ids, const QString &noteName,
                                    const QString &category) const
{
    Transaction tx(m_db);
    for (const qint64 id : ids) {
        ExecTmpQuery(m_db, QStringLiteral("update %1 set Notename=?, NoteTypename=? where id=?").arg(SqlName(table)),
                     {noteName, category, id});
    }
    tx.commit();
}
