#include "bills/form/conversions/BankBillConversion.h"

#include "bills/form/conversions/PartnerBill.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/db/Transaction.h"
#include "core/dbfun/CopyTableRowData.h"
#include "core/errors/CorvaneError.h"
#include "core/printfun/NoteLookup.h"

namespace {

void setIfPresent(DataSet &row, const QString &column, const QVariant &value)
{
    if (DataField *field = row.findField(column))
        field->setValue(value.isNull() ? QVariant(QString()) : value);
}

// The own default payer account, read once; empty values when there is none.
void takeOwnPayer(const QSqlDatabase &db, DataSet &row)
{
    QSqlQuery own = RunStatement(db, QStringLiteral("select compname, compbankname, compbankcount from bs_complist"
                                                    " where isDefault = 1 and bSelf = 1 order by autoid limit 1"));
    const bool found = own.next();
    setIfPresent(row, QStringLiteral("付款人名称"), found ? own.value(0) : QVariant());
    setIfPresent(row, QStringLiteral("付款银行"), found ? own.value(1) : QVariant());
    setIfPresent(row, QStringLiteral("付款账户"), found ? own.value(2) : QVariant());
}

} // namespace

ConvertedBill ConvertBankBill(const QSqlDatabase &db, const QString &table, qint64 sourceId, const QString &targetFormat,
                              BankConversion direction)
{
    const qint64 partner = SelTableIntValue(db, QStringLiteral("select RefAutoid from %1 where id = ?").arg(SqlName(table)),
                                            {sourceId});
    if (const std::optional<ConvertedBill> existing = ExistingBill(db, table, partner))
        return *existing;

    Transaction tx(db);
    DataSet copy;
    copy.setConnection(db);
    copy.setSql(QStringLiteral("select * from %1 where 1=2").arg(SqlName(table)));
    copy.open();
    const QString refNo = CopyTableRowData(copy, table, QStringLiteral("id"), sourceId, QString(), false, QString());
    if (refNo.isEmpty() || !copy.isEditing())
        throw DatabaseError(QStringLiteral("单据%1不存在").arg(sourceId));
    copy.fieldByName(QStringLiteral("NoteName"))->setValue(targetFormat);
    copy.fieldByName(QStringLiteral("NoteTypeName"))->setValue(NoteTypeName(db, targetFormat));
    copy.fieldByName(QStringLiteral("RefAutoid"))->setValue(sourceId);
    if (direction == BankConversion::ChequeToSlip)
        takeOwnPayer(db, copy);
    if (!copy.post())
        throw DatabaseError(QStringLiteral("单据%1不能复制").arg(sourceId));
    const qint64 newId = copy.fieldByName(QStringLiteral("id"))->asInteger();
    ExecTmpQuery(db, QStringLiteral("update %1 set RefAutoid = ? where id = ?").arg(SqlName(table)), {newId, sourceId});
    tx.commit();
    return {newId, targetFormat, true};
}
