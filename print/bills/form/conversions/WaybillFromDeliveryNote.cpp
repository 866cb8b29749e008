#include "bills/form/conversions/WaybillFromDeliveryNote.h"

#include "bills/form/conversions/PartnerBill.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "core/dbfun/TableFieldChange.h"
#include "core/errors/CorvaneError.h"
#include "core/printfun/NoteLookup.h"

#include <QDate>
#include <QRegularExpression>
#include <QSqlRecord>

namespace {

const QString kWaybillTable = QStringLiteral("快递单");

// One row of a statement, or an empty record.
QSqlRecord firstRow(const QSqlDatabase &db, const QString &sql, const QVariantList &params = {})
{
    QSqlQuery query = RunStatement(db, sql, params);
    return query.next() ? query.record() : QSqlRecord();
}

struct Copy
{
    const char *from;
    const char *to;
};

void copyColumns(DataSet &waybill, const QSqlRecord &from, std::initializer_list<Copy> copies)
{
    for (const Copy &copy : copies) {
        const QVariant value = from.value(QString::fromUtf8(copy.from));
        waybill.fieldByName(QString::fromUtf8(copy.to))->setValue(value.isNull() ? QVariant(QString()) : value);
    }
}

} // namespace

ConvertedBill WaybillOfDeliveryNote(const QSqlDatabase &db, qint64 shipId, const QString &waybillFormat)
{
    if (const std::optional<ConvertedBill> existing = BillPointingAt(db, kWaybillTable, shipId))
        return *existing;

    const QSqlRecord note = firstRow(db, QStringLiteral("select * from 出货单 where id = ?"), {shipId});
    if (note.isEmpty())
        throw DatabaseError(QStringLiteral("送货单%1不存在").arg(shipId));
    const QSqlRecord sender = firstRow(
        db, QStringLiteral("select * from bs_complist where kdDefault = 1 and bSelf = 1 order by autoid limit 1"));
    const QString customer = note.value(QStringLiteral("客户编号")).toString().trimmed();
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,18}$"));
    const QSqlRecord receiver =
        number.match(customer).hasMatch()
            ? firstRow(db, QStringLiteral("select * from bs_complist where autoid = ? and bSelf = 0"), {customer.toLongLong()})
            : QSqlRecord();

    Transaction tx(db);
    DataSet waybill;
    waybill.setConnection(db);
    waybill.setSql(QStringLiteral("select * from 快递单 where 1=2"));
    waybill.open();
    waybill.append();
    auto set = [&](const char *column, const QVariant &value) { waybill.fieldByName(QString::fromUtf8(column))->setValue(value); };
    set("RefNo", QString::number(GetBillSysNo(db)));
    set("NoteName", waybillFormat);
    set("NoteTypeName", NoteTypeName(db, waybillFormat));
    set("RefAutoid", shipId);
    set("Flag", -1);
    set("dis", 0);
    set("printcount", 0);
    set("寄件日期", QDate::currentDate());
    copyColumns(waybill, sender,
                {{"compname", "寄件人名称"},
                 {"contact", "寄件人联系人"},
                 {"compaddr", "寄件人地址"},
                 {"phone", "寄件人电话"},
                 {"mailNO", "寄件人邮编"},
                 {"province", "寄件省"},
                 {"city", "寄件市"},
                 {"area", "寄件区"},
                 {"TelCode", "寄件区号"}});
    copyColumns(waybill, note, {{"收货单位", "收件人名称"}, {"地址", "收件人地址"}, {"电话", "收件人电话"}});
    copyColumns(waybill, receiver,
                {{"contact", "收件人联系人"},
                 {"mailNO", "收件人邮编"},
                 {"province", "收件省"},
                 {"city", "收件市"},
                 {"area", "收件区"},
                 {"TelCode", "收件区号"}});
    set("运费支付方式", QString());
    TableFieldChange(waybill, kWaybillTable, waybill.fieldByName(QStringLiteral("寄件日期")));
    if (!waybill.post())
        throw DatabaseError(QStringLiteral("快递单不能保存"));
    const qint64 id = waybill.fieldByName(QStringLiteral("id"))->asInteger();
    tx.commit();
    return {id, waybillFormat, true};
}
