#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "bills/form/conversions/BankBillConversion.h"
#include "bills/form/conversions/BillCopy.h"
#include "bills/form/conversions/WaybillFromDeliveryNote.h"
#include "core/db/AdoFunc.h"
#include "core/dbfun/BillColumns.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QDate>
#include <QtTest>

// Bills made from bills on a seeded database, read back with the sqlite3 shell: cheque and
// deposit slip into each other, the waybill of a delivery note, and the copy of a whole bill.
class TestBillConversions : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    QString stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    void addFormat(const QString &name, const QString &kind, const QString &table)
    {
        ExecTmpQuery(CurAdo,
                     QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\", DefNote)"
                                    " values (?, ?, ?, ?, ?, '是', 1)"),
                     {QString::number(SelTableIntValue(CurAdo, QStringLiteral("select count(*) from p_NoteList")) + 7001), name,
                      kind + QStringLiteral("类"), kind, table});
    }

    void addCompany(int self, const QString &name, bool payer, bool sender)
    {
        ExecTmpQuery(CurAdo,
                     QStringLiteral("insert into bs_complist (bSelf, compname, compbankname, compbankcount, contact, compaddr, phone,"
                                    " mailNO, province, city, area, Telcode, isDefault, kdDefault) values (?, ?, ?, ?, ?, ?, ?, ?,"
                                    " '江苏省', '南京市', '鼓楼区', '025', ?, ?)"),
                     {self, name, name + QStringLiteral("银行"), name + QStringLiteral("账户"), name + QStringLiteral("联系人"),
                      name + QStringLiteral("地址"), name + QStringLiteral("电话"), name + QStringLiteral("邮编"), payer ? 1 : 0,
                      sender ? 1 : 0});
    }

    qint64 addCheque(const QString &format)
    {
        ExecTmpQuery(CurAdo,
                     QStringLiteral("insert into 银行转帐单 (NoteTypeName, NoteName, Refno, RefAutoid, printcount, Flag, dis, 金额,"
                                    " 金额_金额大写, 收款人名称, 付款人名称, 付款银行, 付款账户, 用途) values (?, ?, '900', 0, 3, 1, 1,"
                                    " 88, '捌拾捌元整', '华东建材', '旧付款人', '旧银行', '旧账户', '货款')"),
                     {format + QStringLiteral("类"), format});
        return SelTableIntValue(CurAdo, QStringLiteral("select max(id) from 银行转帐单"));
    }

    qint64 addDeliveryNote(const QString &customer, int lines)
    {
        ExecTmpQuery(CurAdo,
                     QStringLiteral("insert into 出货单 (NoteTypeName, NoteName, Refno, RefAutoid, printcount, Flag, dis, 合计金额,"
                                    " 收货单位, 地址, 电话, 客户编号) values ('送货单类', '送货单', '800', 0, 2, 1, 0, 60, '宏达商行',"
                                    " '上海路1号', '021-1234', ?)"),
                     {customer});
        for (int i = 1; i <= lines; ++i)
            ExecTmpQuery(CurAdo,
                         QStringLiteral("insert into 出货单明细 (Refno, 产品编号, 品名, 数量, 单价, 小计) values ('800', ?, ?, ?, 10, ?)"),
                         {QStringLiteral("P%1").arg(i), QStringLiteral("货品%1").arg(i), i, i * 10});
        return SelTableIntValue(CurAdo, QStringLiteral("select max(id) from 出货单"));
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        addFormat(QStringLiteral("支票"), QStringLiteral("支票"), QStringLiteral("银行转帐单"));
        addFormat(QStringLiteral("进账单"), QStringLiteral("进账单"), QStringLiteral("银行转帐单"));
        addFormat(QStringLiteral("送货单"), QStringLiteral("送货单"), QStringLiteral("出货单"));
        addFormat(QStringLiteral("快递单"), QStringLiteral("快递单"), QStringLiteral("快递单"));
        ExecTmpQuery(CurAdo, QStringLiteral("update Bs_SysSet set SysNoteId = 20000"));
        FieldChange = true;
    }
    void cleanup() { m_folder.reset(); }

    void chequeBecomesSlipOnce()
    {
        addCompany(1, QStringLiteral("本公司二"), false, false);
        addCompany(1, QStringLiteral("本公司"), true, false);
        addCompany(0, QStringLiteral("客户"), true, false);
        const qint64 cheque = addCheque(QStringLiteral("支票"));

        const ConvertedBill slip = ConvertBankBill(CurAdo, QStringLiteral("银行转帐单"), cheque, QStringLiteral("进账单"),
                                                   BankConversion::ChequeToSlip);
        QVERIFY(slip.made);
        QCOMPARE(slip.noteName, QStringLiteral("进账单"));
        QCOMPARE(stored(QStringLiteral("select NoteName, NoteTypeName, Refno, RefAutoid, printcount, Flag, dis, 金额, 金额_金额大写,"
                                       " 收款人名称, 付款人名称, 付款银行, 付款账户, 用途 from 银行转帐单 where id = %1").arg(slip.id)),
                 QStringLiteral("进账单|进账单类|20001|%1|0|-1|0|88|捌拾捌元整|华东建材|本公司|本公司银行|本公司账户|货款").arg(cheque));
        QCOMPARE(stored(QStringLiteral("select RefAutoid, Flag, dis, printcount, 付款人名称 from 银行转帐单 where id = %1").arg(cheque)),
                 QStringLiteral("%1|1|1|3|旧付款人").arg(slip.id));

        // Again, from either side: the partner, and no third row.
        const ConvertedBill again = ConvertBankBill(CurAdo, QStringLiteral("银行转帐单"), cheque, QStringLiteral("进账单"),
                                                    BankConversion::ChequeToSlip);
        QVERIFY(!again.made);
        QCOMPARE(again.id, slip.id);
        const ConvertedBill back = ConvertBankBill(CurAdo, QStringLiteral("银行转帐单"), slip.id, QStringLiteral("支票"),
                                                   BankConversion::SlipToCheque);
        QVERIFY(!back.made);
        QCOMPARE(back.id, cheque);
        QCOMPARE(back.noteName, QStringLiteral("支票"));
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("select SysNoteId from Bs_SysSet")), QStringLiteral("20001"));
    }

    void slipBecomesChequeWithItsPayer()
    {
        addCompany(1, QStringLiteral("本公司"), true, false);
        const qint64 slip = addCheque(QStringLiteral("进账单"));
        const ConvertedBill cheque = ConvertBankBill(CurAdo, QStringLiteral("银行转帐单"), slip, QStringLiteral("支票"),
                                                     BankConversion::SlipToCheque);
        QCOMPARE(stored(QStringLiteral("select NoteName, RefAutoid, 付款人名称, 付款银行, 付款账户 from 银行转帐单 where id = %1").arg(cheque.id)),
                 QStringLiteral("支票|%1|旧付款人|旧银行|旧账户").arg(slip));
    }

    void noOwnDefaultLeavesThePayerEmpty()
    {
        addCompany(1, QStringLiteral("本公司"), false, false);
        const qint64 cheque = addCheque(QStringLiteral("支票"));
        const ConvertedBill slip = ConvertBankBill(CurAdo, QStringLiteral("银行转帐单"), cheque, QStringLiteral("进账单"),
                                                   BankConversion::ChequeToSlip);
        QCOMPARE(stored(QStringLiteral("select printf('[%s|%s|%s]', 付款人名称, 付款银行, 付款账户) from 银行转帐单 where id = %1")
                            .arg(slip.id)),
                 QStringLiteral("[||]"));
    }

    // A partner deleted since is made again.
    void deletedPartnerIsMadeAgain()
    {
        const qint64 cheque = addCheque(QStringLiteral("支票"));
        const ConvertedBill first = ConvertBankBill(CurAdo, QStringLiteral("银行转帐单"), cheque, QStringLiteral("进账单"),
                                                    BankConversion::ChequeToSlip);
        ExecTmpQuery(CurAdo, QStringLiteral("delete from 银行转帐单 where id = ?"), {first.id});
        const ConvertedBill second = ConvertBankBill(CurAdo, QStringLiteral("银行转帐单"), cheque, QStringLiteral("进账单"),
                                                     BankConversion::ChequeToSlip);
        QVERIFY(second.made);
        QVERIFY(second.id != first.id);
        QCOMPARE(stored(QStringLiteral("select RefAutoid from 银行转帐单 where id = %1").arg(cheque)), QString::number(second.id));
    }

    void waybillIsMadeOnceFromTheDeliveryNote()
    {
        addCompany(1, QStringLiteral("其他寄件"), false, false);
        addCompany(1, QStringLiteral("寄件公司"), false, true);
        addCompany(0, QStringLiteral("收件客户"), false, false);
        const QString customer = stored(QStringLiteral("select autoid from bs_complist where compname = '收件客户'"));
        const qint64 note = addDeliveryNote(customer, 1);

        const ConvertedBill waybill = WaybillOfDeliveryNote(CurAdo, note, QStringLiteral("快递单"));
        QVERIFY(waybill.made);
        const QDate today = QDate::currentDate();
        const QStringList expected{
            QStringLiteral("Refno=20001"),
            QStringLiteral("NoteName=快递单"),
            QStringLiteral("NoteTypeName=快递单类"),
            QStringLiteral("RefAutoid=%1").arg(note),
            QStringLiteral("Flag=-1"),
            QStringLiteral("dis=0"),
            QStringLiteral("printcount=0"),
            QStringLiteral("寄件日期=%1").arg(today.toString(Qt::ISODate)),
            QStringLiteral("寄件日期_小写年=%1").arg(today.year()),
            QStringLiteral("寄件日期_小写月=%1").arg(today.month()),
            QStringLiteral("寄件日期_小写日=%1").arg(today.day()),
            QStringLiteral("寄件人名称=寄件公司"),
            QStringLiteral("寄件人联系人=寄件公司联系人"),
            QStringLiteral("寄件人地址=寄件公司地址"),
            QStringLiteral("寄件人电话=寄件公司电话"),
            QStringLiteral("寄件人邮编=寄件公司邮编"),
            QStringLiteral("寄件省=江苏省"),
            QStringLiteral("寄件市=南京市"),
            QStringLiteral("寄件区=鼓楼区"),
            QStringLiteral("寄件区号=025"),
            QStringLiteral("收件人名称=宏达商行"),
            QStringLiteral("收件人联系人=收件客户联系人"),
            QStringLiteral("收件人地址=上海路1号"),
            QStringLiteral("收件人电话=021-1234"),
            QStringLiteral("收件人邮编=收件客户邮编"),
            QStringLiteral("收件省=江苏省"),
            QStringLiteral("收件市=南京市"),
            QStringLiteral("收件区=鼓楼区"),
            QStringLiteral("收件区号=025"),
            QStringLiteral("运费支付方式="),
        };
        for (const QString &item : expected) {
            const QString column = item.section(QLatin1Char('='), 0, 0);
            QCOMPARE(column + QLatin1Char('=') + stored(QStringLiteral("select \"%1\" from 快递单 where id = %2").arg(column).arg(waybill.id)),
                     item);
        }
        QCOMPARE(stored(QStringLiteral("select coalesce(RefAutoid, 0) from 出货单 where id = %1").arg(note)), QStringLiteral("0"));

        const ConvertedBill again = WaybillOfDeliveryNote(CurAdo, note, QStringLiteral("快递单"));
        QVERIFY(!again.made);
        QCOMPARE(again.id, waybill.id);
        QCOMPARE(stored(QStringLiteral("select count(*) from 快递单")), QStringLiteral("1"));
    }

    void waybillReceiverNeedsACustomerNumber_data()
    {
        QTest::addColumn<QString>("customer");
        QTest::newRow("empty") << QString();
        QTest::newRow("not a number") << QStringLiteral("1 or 1=1");
        QTest::newRow("own company's number") << QStringLiteral("OWN");
        QTest::newRow("unknown number") << QStringLiteral("999");
    }
    void waybillReceiverNeedsACustomerNumber()
    {
        QFETCH(QString, customer);
        addCompany(1, QStringLiteral("寄件公司"), false, true);
        addCompany(0, QStringLiteral("收件客户"), false, false);
        if (customer == QStringLiteral("OWN"))
            customer = stored(QStringLiteral("select autoid from bs_complist where compname = '寄件公司'"));
        const qint64 note = addDeliveryNote(customer, 0);
        const ConvertedBill waybill = WaybillOfDeliveryNote(CurAdo, note, QStringLiteral("快递单"));
        QCOMPARE(stored(QStringLiteral("select printf('%s|%s|%s|%s', 收件人名称, 收件人联系人, 收件省, 寄件人名称) from 快递单 where id = %1")
                            .arg(waybill.id)),
                 QStringLiteral("宏达商行|||寄件公司"));
    }

    void copyTakesEveryDetailLine()
    {
        const qint64 note = addDeliveryNote(QString(), 3);
        const qint64 copy = CopyWholeBill(CurAdo, QStringLiteral("出货单"), {QStringLiteral("出货单明细")}, note);
        QCOMPARE(stored(QStringLiteral("select Refno, NoteName, Flag, dis, printcount, RefAutoid, 合计金额, 收货单位 from 出货单 where id = %1").arg(copy)),
                 QStringLiteral("20001|送货单|-1|0|0|0|60|宏达商行"));
        QCOMPARE(stored(QStringLiteral("select 产品编号 || ':' || 数量 || ':' || 小计 from 出货单明细 where Refno = '20001' order by id")),
                 QStringLiteral("P1:1.0:10\nP2:2.0:20\nP3:3.0:30"));
        QCOMPARE(stored(QStringLiteral("select count(*) from 出货单明细 where Refno = '800'")), QStringLiteral("3"));
        QCOMPARE(stored(QStringLiteral("select Flag from 出货单 where id = %1").arg(note)), QStringLiteral("1"));
    }

    // A copy that cannot be completed leaves nothing behind, not even a header.
    void failedCopyLeavesNothing()
    {
        const qint64 note = addDeliveryNote(QString(), 2);
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 CopyWholeBill(CurAdo, QStringLiteral("出货单"), {QStringLiteral("出货单明细"), QStringLiteral("没有的表")}, note));
        QCOMPARE(stored(QStringLiteral("select count(*) from 出货单")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("select count(*) from 出货单明细")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("select SysNoteId from Bs_SysSet")), QStringLiteral("20000"));
    }
};

QTEST_MAIN(TestBillConversions)
#include "tst_billconversions.moc"
