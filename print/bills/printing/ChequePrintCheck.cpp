#include "bills/printing/ChequePrintCheck.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/printfun/NoteLookup.h"
#include "core/printfun/ParaSwitch.h"
#include "gui/dialogs/MessageBoxes.h"

namespace {

ChequeRegisterMark &registerMark()
{
    static ChequeRegisterMark mark;
    return mark;
}

QString trimmedText(const DataSet &header, const QString &name)
{
    const DataField *field = header.findField(name);
    return field ? field->asString().trimmed() : QString();
}

} // namespace

void SetChequeRegisterMark(ChequeRegisterMark mark)
{
    registerMark() = std::move(mark);
}

bool WriteCheckNoStatus(const QSqlDatabase &db, const QString &noteName, const DataSet &header)
{
    if (!CheckCheckNoWhenPrint(db))
        return true;
    if (NoteBaseType(db, noteName).trimmed() != QStringLiteral("支票"))
        return true;
    const QString number = trimmedText(header, QStringLiteral("单据号码"));
    if (number.isEmpty())
        return true;

    const DataField *date = header.findField(QStringLiteral("付款日期"));
    const DataField *amount = header.findField(QStringLiteral("金额"));
    const ChequeToPrint cheque{number, trimmedText(header, QStringLiteral("收款人名称")), date ? date->asDate() : QDate(),
                               trimmedText(header, QStringLiteral("用途")), amount ? amount->asCurrency() : Currency()};
    const ChequeRegisterMark &mark = registerMark();
    if (mark && mark(db, cheque))
        return true;
    ShowMsgerror(QStringLiteral("支票已经打印或者作废或者不存在"));
    return false;
}
