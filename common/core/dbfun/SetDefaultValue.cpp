#include "core/dbfun/SetDefaultValue.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/TableCatalog.h"

#include <QSqlRecord>

namespace {

struct Copy
{
    const char *from; // bs_complist column
    QString to;       // bill column
};

// Copies the first own-company row that matches the condition; empty values when none does.
void copyOwnCompany(DataSet &bill, const QString &condition, const QList<Copy> &copies)
{
    const QSqlDatabase db = bill.connection();
    QSqlRecord company;
    if (IsTableExists(db, QStringLiteral("bs_complist"))) {
        QSqlQuery query = RunStatement(db, QStringLiteral("select * from bs_complist where bSelf = 1 and %1 limit 1").arg(condition));
        if (query.next())
            company = query.record();
    }
    for (const Copy &copy : copies) {
        const QVariant value = company.value(QString::fromLatin1(copy.from));
        bill.fieldByName(copy.to)->setValue(value.isNull() ? QVariant(QString()) : value);
    }
}

QList<Copy> bankCopies(const QString &side)
{
    return {{"compname", side + QStringLiteral("人名称")},
            {"compbankname", side + QStringLiteral("银行")},
            {"compbankcount", side + QStringLiteral("账户")},
            {"province", side + QStringLiteral("人省")},
            {"city", side + QStringLiteral("人市")}};
}

} // namespace

void SetDefaultValue(DataSet &bill)
{
    const QSqlDatabase db = bill.connection();
    const QString noteName = bill.fieldByName(QStringLiteral("NoteName"))->asString();
    const QString kind = SelTableStringValue(db, QStringLiteral("select NoteType from p_NoteList where NoteName = ?"), {noteName});
    const QString table =
        SelTableStringValue(db, QStringLiteral("select DataTablename from p_NoteList where NoteName = ?"), {noteName});
    const QString rmb = QStringLiteral("人民币");

    if (table == QStringLiteral("快递单")) {
        copyOwnCompany(bill, QStringLiteral("kdDefault = 1"),
                       {{"compname", QStringLiteral("寄件人名称")},
                        {"contact", QStringLiteral("寄件人联系人")},
                        {"province", QStringLiteral("寄件省")},
                        {"city", QStringLiteral("寄件市")},
                        {"area", QStringLiteral("寄件区")},
                        {"compaddr", QStringLiteral("寄件人地址")},
                        {"phone", QStringLiteral("寄件人电话")},
                        {"telephone", QStringLiteral("寄件手机")},
                        {"mailNO", QStringLiteral("寄件人邮编")}});
    } else if (table == QStringLiteral("银行转帐单")) {
        if (kind == QStringLiteral("电汇单"))
            copyOwnCompany(bill, QStringLiteral("IsDefault = 1"), bankCopies(QStringLiteral("付款")));
        else if (kind == QStringLiteral("托收凭证"))
            copyOwnCompany(bill, QStringLiteral("IsDefault = 1"), bankCopies(QStringLiteral("收款")));
        bill.fieldByName(QStringLiteral("币别"))->setValue(rmb);
    } else if (table == QStringLiteral("现金缴款单")) {
        bill.fieldByName(QStringLiteral("币种"))->setValue(rmb);
    }
}
