#include "bills/cheques/ChequePrintCheck.h"

#include "bills/cheques/ChequeStatus.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/StoredValue.h"
#include "core/money/Currency.h"
#include "core/printfun/NoteLookup.h"
#include "core/printfun/ParaSwitch.h"
#include "gui/dialogs/MessageBoxes.h"

namespace {

QVariant textOf(const DataSet &bill, const QString &name)
{
    const DataField *field = bill.findField(name);
    return field && !field->isNull() ? QVariant(field->asString().trimmed()) : QVariant();
}

QVariant dateOf(const DataSet &bill, const QString &name)
{
    const DataField *field = bill.findField(name);
    return field && !field->isNull() ? QVariant(DateToStored(field->asDate())) : QVariant();
}

QVariant amountOf(const DataSet &bill, const QString &name)
{
    const DataField *field = bill.findField(name);
    return field && !field->isNull() ? QVariant(field->asCurrency().toDouble()) : QVariant();
}

} // namespace

ChequePrintCheck CheckChequeForPrint(const QSqlDatabase &db, const QString &noteName, const DataSet &bill)
{
    if (!CheckCheckNoWhenPrint(db) || NoteBaseType(db, noteName) != QStringLiteral("支票"))
        return ChequePrintCheck::NotChecked;
    const DataField *numberField = bill.findField(QStringLiteral("单据号码"));
    const QString number = numberField ? numberField->asString().trimmed() : QString();
    if (number.isEmpty())
        return ChequePrintCheck::NotChecked;

    const QString status = SelTableStringValue(db, QStringLiteral("select Status from p_Check where NoteNo = ?"), {number});
    if (status.isEmpty() || status == ChequeStatus::Void || status == ChequeStatus::Printed)
        return ChequePrintCheck::Refused;
    ExecTmpQuery(db,
                 QStringLiteral("update p_Check set Status = ?, CustName = ?, PrintDate = ?, PayUse = ?, PayAmt = ?,"
                                " NoteTypeName = ? where NoteNo = ?"),
                 {ChequeStatus::Printed, textOf(bill, QStringLiteral("收款人名称")), dateOf(bill, QStringLiteral("付款日期")),
                  textOf(bill, QStringLiteral("用途")), amountOf(bill, QStringLiteral("金额")), NoteTypeName(db, noteName),
                  number});
    return ChequePrintCheck::Marked;
}

bool WriteCheckNoStatus(const QSqlDatabase &db, const QString &noteName, const DataSet &bill)
{
    if (CheckChequeForPrint(db, noteName, bill) != ChequePrintCheck::Refused)
        return true;
    ShowMsgerror(QStringLiteral("支票已经打印或者作废或者不存在"));
    return false;
}
