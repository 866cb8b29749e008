#include "bills/form/BillFormData.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/TableCatalog.h"
#include "core/db/Transaction.h"
#include "core/dbfun/DeleteNoteTable.h"

QString BillFormData::noBillStatement(const QString &table)
{
    return QStringLiteral("select * from %1 where 1=2").arg(SqlName(table));
}

QString BillFormData::billStatement(const QString &table)
{
    return QStringLiteral("select * from %1 where id = ?").arg(SqlName(table));
}

QString BillFormData::savedBillsStatement(const QString &table)
{
    return QStringLiteral("select a.id, a.RefNo, a.NoteName from %1 a join p_NoteList b on a.NoteName = b.NoteName"
                          " where b.NoteType = ? order by a.id desc")
        .arg(SqlName(table));
}

QString BillFormData::detailRowsStatement(const QString &table)
{
    return QStringLiteral("select * from %1 where Refno = ?").arg(SqlName(table));
}

QString BillFormData::batchBillsStatement(const QString &table)
{
    return QStringLiteral("select * from %1 where id in (select value from json_each(?))").arg(SqlName(table));
}

QString BillFormData::batchDetailRowsStatement(const QString &table)
{
    return QStringLiteral("select * from %1 where Refno in (select value from json_each(?)) order by Refno, rowid")
        .arg(SqlName(table));
}

qint64 BillFormData::newestBillId(const QString &table, const QString &noteName) const
{
    return SelTableIntValue(m_db, QStringLiteral("select max(id) from %1 where NoteTypeName = ?").arg(SqlName(table)),
                            {noteName});
}

void BillFormData::deleteBill(const QString &table, const QString &refNo, qint64 id) const
{
    Transaction tx(m_db);
    DeleteNoteTable(m_db, table, refNo, id);
    ExecTmpQuery(m_db, QStringLiteral("delete from %1 where id = ?").arg(SqlName(table)), {id});
    tx.commit();
}

void BillFormData::voidBill(const QString &table, qint64 id) const
{
    ExecTmpQuery(m_db, QStringLiteral("update %1 set dis = 1 where id = ?").arg(SqlName(table)), {id});
}

QStringList BillFormData::baseCodes(const QString &listName) const
{
    QStringList items;
    if (IsTableExists(m_db, QStringLiteral("p_BaseCode")))
        SqlAddPickList(m_db, QStringLiteral("select DmValue from p_BaseCode where DmName = ?"), items, {listName});
    return items;
}

bool BillFormData::amountInFigures(const QString &table, const QString &amountField) const
{
    return !SqlTableIsEmpty(m_db,
                            QStringLiteral("select 1 from p_Tables a join p_TableFields b on a.RefNo = b.RefNo"
                                           " where a.bAmtNumInput = 1 and b.flag = 1 and a.TableName = ?"
                                           " and b.FieldName = ?"),
                            {table, amountField});
}

QString BillFormData::checkItems(const QString &table, const QString &field) const
{
    return SelTableStringValue(m_db,
                               QStringLiteral("select b.CheckItems from p_tables a join p_TableFields b on a.RefNo = b.RefNo"
                                              " where a.TableName = ? and b.FieldName = ?"),
                               {table, field});
}

int BillFormData::pickerNumber(const QString &pickName) const
{
    return int(SelTableIntValue(m_db, QStringLiteral("select tagid from p_pickList where PickName = ?"), {pickName}));
}

bool BillFormData::isProductCode(const QString &code) const
{
    return IsTableExists(m_db, QStringLiteral("Bs_ProdList"))
        && !SqlTableIsEmpty(m_db, QStringLiteral("select 1 from Bs_ProdList where PartNo = ?"), {code});
}
