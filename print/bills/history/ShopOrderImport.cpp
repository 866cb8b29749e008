#include "bills/history/ShopOrderImport.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "core/dbfun/BillBookkeeping.h"
#include "core/dbfun/BillFieldFill.h"
#include "core/import/SheetImportError.h"
#include "core/printfun/NoteLookup.h"

#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString kKind = QStringLiteral("快递单");
const QString kTable = QStringLiteral("快递单");
const QString kOrderColumn = QStringLiteral("淘宝订单号");

// Waybill column <- column of the own default sender company.
const QList<QPair<QString, QString>> &senderColumns()
{
    static const QList<QPair<QString, QString>> columns{
        {QStringLiteral("寄件人名称"), QStringLiteral("compname")}, {QStringLiteral("寄件人联系人"), QStringLiteral("contact")},
        {QStringLiteral("寄件人地址"), QStringLiteral("compaddr")}, {QStringLiteral("寄件人电话"), QStringLiteral("phone")},
        {QStringLiteral("寄件人邮编"), QStringLiteral("mailNO")},  {QStringLiteral("寄件手机"), QStringLiteral("telephone")},
        {QStringLiteral("寄件省"), QStringLiteral("province")},    {QStringLiteral("寄件市"), QStringLiteral("city")},
        {QStringLiteral("寄件区"), QStringLiteral("area")}};
    return columns;
}

// Waybill column <- order file column.
const QList<QPair<QString, QString>> &orderColumns()
{
    static const QList<QPair<QString, QString>> columns{
        {QStringLiteral("货品名称"), QStringLiteral("宝贝标题")},     {QStringLiteral("件数"), QStringLiteral("宝贝总数量")},
        {QStringLiteral("收件人联系人"), QStringLiteral("收货人姓名")}, {QStringLiteral("收件人电话"), QStringLiteral("联系电话")},
        {QStringLiteral("收件手机"), QStringLiteral("联系手机")},       {kOrderColumn, QStringLiteral("订单编号")}};
    return columns;
}

QHash<QString, QVariant> defaultSender(const QSqlDatabase &db)
{
    QHash<QString, QVariant> sender;
    QSqlQuery query = RunStatement(
        db, QStringLiteral("select * from bs_complist where bSelf = 1 and kdDefault = 1 order by autoid limit 1"));
    if (query.next())
        for (const auto &[waybill, company] : senderColumns())
            sender.insert(waybill, query.record().value(company));
    return sender;
}

QSet<QString> numbersInTable(const QSqlDatabase &db)
{
    QStringList numbers;
    SqlAddPickList(db, QStringLiteral("select %1 from %2 where %1 is not null").arg(kOrderColumn, kTable), numbers);
    return QSet<QString>(numbers.cbegin(), numbers.cend());
}

}  // namespace

ShopOrderImport ImportShopOrders(const QSqlDatabase &db, const ShopOrderFile &file, const QDate &today,
                                 const std::function<void(int, int)> &progress)
{
    ShopOrderImport result;
    result.ordersRead = int(file.orders.size());
    if (file.header.isEmpty())
        return result;
    const QString noteName = GetDefaultNoteName(db, kKind);
    const QString category = noteName.isEmpty() ? QString() : NoteTypeName(db, noteName);
    if (noteName.isEmpty())
        throw SheetImportError(SheetImportError::Reason::NoDefaultFormat, QStringLiteral("没有定义默认的快递单"));
    const int orderNumber = file.column(QStringLiteral("订单编号"));
    if (orderNumber < 0)
        throw SheetImportError(SheetImportError::Reason::NoKnownColumn,
                               QStringLiteral("订单文件中没有“订单编号”列，没有导入数据"));

    DataSet waybill;
    waybill.setConnection(db);
    waybill.setSql(QStringLiteral("select * from %1 where 1=2").arg(kTable));
    waybill.open();
    const BillFieldFill fill(db, kTable);
    QObject::connect(&waybill, &DataSet::fieldChanged, &waybill, [&](DataField *field) { fill.fieldChanged(waybill, field); });
    const QHash<QString, QVariant> sender = defaultSender(db);
    QSet<QString> known = numbersInTable(db);
    const int address = file.column(QStringLiteral("收货地址"));
    const int changedAddress = file.column(QStringLiteral("修改后的收货地址"));

    Transaction transaction(db);
    for (int order = 0; order < file.orders.size(); ++order) {
        if (progress)
            progress(order + 1, int(file.orders.size()));
        const QString number = file.cell(order, orderNumber);
        if (!number.isEmpty() && known.contains(number))
            continue;
        known.insert(number);
        QString column;
        try {
            waybill.append();
            const qint64 refNo = GetBillSysNo(db);
            waybill.fieldByName(QStringLiteral("Refno"))->setValue(QString::number(refNo));
            waybill.fieldByName(QStringLiteral("NoteName"))->setValue(noteName);
            waybill.fieldByName(QStringLiteral("NoteTypeName"))->setValue(category);
            SetNewBillState(waybill);
            for (auto it = sender.cbegin(); it != sender.cend(); ++it) {
                column = it.key();
                waybill.fieldByName(it.key())->setValue(it.value());
            }
            for (const auto &[target, source] : orderColumns()) {
                column = source;
                const QString value = file.cell(order, file.column(source));
                if (!value.isEmpty())
                    waybill.fieldByName(target)->setValue(value);
            }
            column = QStringLiteral("收货地址");
            const QString changed = file.cell(order, changedAddress);
            waybill.fieldByName(QStringLiteral("收件人地址"))->setValue(changed.isEmpty() ? file.cell(order, address) : changed);
            column = QStringLiteral("寄件日期");
            waybill.fieldByName(QStringLiteral("寄件日期"))->setValue(today);
            column.clear();
            waybill.post();
            result.refNos.append(refNo);
        } catch (const CorvaneError &error) {
            // The header is line 1 of the file.
            const QString where = column.isEmpty() ? QStringLiteral("第%1条订单").arg(order + 1)
                                                   : QStringLiteral("第%1条订单“%2”列").arg(order + 1).arg(column);
            throw SheetImportError(SheetImportError::Reason::BadRow,
                                   QStringLiteral("%1数据有误，导入已全部撤销：%2").arg(where, error.message()));
        }
    }
    transaction.commit();
    return result;
}
