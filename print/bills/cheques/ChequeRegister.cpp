#include "bills/cheques/ChequeRegister.h"

#include "bills/cheques/ChequeNumbers.h"
#include "bills/cheques/ChequeStatus.h"
#include "core/db/AdoFunc.h"
#include "core/db/StoredValue.h"
#include "core/db/Transaction.h"

QString ChequeBookOutcome::message() const
{
    switch (result) {
    case Registered:
        return {};
    case NumberTaken:
        return QStringLiteral("支票号码%1已存在,不能再导入").arg(number);
    }
    return {};
}

ChequeBookOutcome RegisterChequeBook(const QSqlDatabase &db, const ChequeBook &book)
{
    const QStringList numbers = ChequeBookNumbers(book.startNo, book.count);

    Transaction transaction(db);
    for (const QString &number : numbers) {
        if (!SqlTableIsEmpty(db, QStringLiteral("select 1 from p_Check where NoteNo = ?"), {number}))
            return {ChequeBookOutcome::NumberTaken, number};
    }
    const QVariant buyDate = book.buyDate.isValid() ? QVariant(DateToStored(book.buyDate)) : QVariant();
    for (const QString &number : numbers) {
        ExecTmpQuery(db, QStringLiteral("insert into p_Check (NoteNo, BankName, BuyDate, Status) values (?, ?, ?, ?)"),
                     {number, book.bankName, buyDate, ChequeStatus::Blank});
    }
    transaction.commit();
    return {};
}

qint64 ChequeFormatRefNo(const QSqlDatabase &db, const QString &category)
{
    if (category.trimmed().isEmpty())
        return 0;
    const QString refNo = SelTableStringValue(
        db,
        QStringLiteral("select RefNo from p_NoteList where NoteNameType = ? order by \"default\" = '是' desc, autoid limit 1"),
        {category});
    return refNo.trimmed().toLongLong();
}
