#include "TestProgramFolder.h"
#include "SqliteShell.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/dbfun/CopyTableRowData.h"
#include "core/dbfun/SetDefaultValue.h"
#include "core/globals/PubDm.h"

#include <QtTest>

// Copying bills with fresh numbers, and the company defaults of a new bill.
class TestBillCopy : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    QStringList stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql); }
    static std::unique_ptr<DataSet> opened(const QString &sql)
    {
        auto set = std::make_unique<DataSet>();
        set->setSql(sql);
        set->open();
        return set;
    }
    static void addFormat(const QString &name, const QString &kind, const QString &table)
    {
        ExecTmpQuery(CurAdo, "insert into p_NoteList (RefNo, NoteName, NoteType, DataTablename) values (?, ?, ?, ?)",
                     {QString::number(qHash(name)), name, kind, table});
    }
    static void addCompanyBook()
    {
        ExecTmpQuery(CurAdo, "insert into bs_complist (bSelf, compname, compbankname, compbankcount, province, city, area, compaddr, "
                             "contact, phone, telephone, mailNO, IsDefault, kdDefault) values "
                             "(0, '客户', '客户行', '1', '省0', '市0', '', '', '', '', '', '', 1, 1), "
                             "(1, '本公司', '工行', '6222021234567890', '广东', '深圳', '南山', '科技路1号', '张三', '0755-1', '139', '518000', 1, 0), "
                             "(1, '本公司仓库', '', '', '广东', '东莞', '长安', '仓库路2号', '李四', '0769-2', '138', '523000', 0, 1)");
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
    }
    void cleanup() { m_folder.reset(); }

    void copyByRowIdStartsANewBill()
    {
        ExecTmpQuery(CurAdo, "insert into 出货单 (NoteTypeName, NoteName, Refno, RefAutoid, printcount, Flag, dis, 合计金额, 收货单位) "
                             "values ('送货类', '送货单A', '777', 5, 3, 1, 1, 12.34, '甲公司')");
        ExecTmpQuery(CurAdo, "insert into 出货单明细 (NoteTypeName, NoteName, Refno, Flag, 品名, 数量) values "
                             "('送货类', '送货单A', '777', 1, '螺丝', 2), ('送货类', '送货单A', '777', 1, '螺母', 3), "
                             "('送货类', '送货单A', '778', 1, '别的单', 1)");
        auto header = opened("select * from 出货单 where 1=2");
        const QString number = CopyTableRowData(*header, "出货单", "id", 1, QString(), false, QString());
        QCOMPARE(number, "10001");
        QVERIFY(header->isEditing());  // the caller posts
        QVERIFY(header->post());
        auto detail = opened("select * from 出货单明细 where 1=2");
        QCOMPARE(CopyTableRowData(*detail, "出货单明细", "id", 0, "777", true, number), number);
        QCOMPARE(stored("select id, NoteName, Refno, RefAutoid, printcount, Flag, dis, 合计金额, 收货单位 from 出货单 order by id"),
                 (QStringList{"1|送货单A|777|5|3|1|1|12.34|甲公司", "2|送货单A|10001|0|0|-1|0|12.34|甲公司"}));
        QCOMPARE(stored("select id, Refno, 品名, 数量, Flag from 出货单明细 where Refno = '10001' order by id"),
                 (QStringList{"4|10001|螺丝|2.0|-1", "5|10001|螺母|3.0|-1"}));
        QCOMPARE(stored("select SysNoteId from Bs_SysSet"), QStringList{"10001"});
    }

    void copyOfACompanyByItsOwnKey()
    {
        addCompanyBook();
        auto book = opened("select * from bs_complist where 1=2");
        QCOMPARE(CopyTableRowData(*book, "bs_complist", "autoid", 2, QString(), false, QString()), QString());
        QVERIFY(book->post());
        QCOMPARE(stored("select autoid, compname, compbankcount from bs_complist where autoid > 3"), QStringList{"4|本公司|6222021234567890"});
        QCOMPARE(stored("select SysNoteId from Bs_SysSet"), QStringList{"10000"});  // no RefNo, no number drawn
    }

    void companyDefaults_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("expected");
        const QString payer = "付款人名称, 付款银行, 付款账户, 付款人省, 付款人市, 收款人名称, 币别";
        QTest::newRow("wire transfer: payer") << "电汇A" << payer << "本公司|工行|6222021234567890|广东|深圳||人民币";
        QTest::newRow("collection: payee") << "托收A" << "收款人名称, 收款银行, 收款账户, 收款人省, 收款人市, 付款人名称, 币别"
                                           << "本公司|工行|6222021234567890|广东|深圳||人民币";
        QTest::newRow("cheque: currency only") << "支票A" << payer << "||||||人民币";
        QTest::newRow("waybill: sender") << "快递A"
                                         << "寄件人名称, 寄件人联系人, 寄件省, 寄件市, 寄件区, 寄件人地址, 寄件人电话, 寄件手机, 寄件人邮编"
                                         << "本公司仓库|李四|广东|东莞|长安|仓库路2号|0769-2|138|523000";
        QTest::newRow("cash slip") << "现金A" << "币种" << "人民币";
    }
    void companyDefaults()
    {
        QFETCH(QString, format);
        QFETCH(QString, columns);
        QFETCH(QString, expected);
        addCompanyBook();
        addFormat("电汇A", "电汇单", "银行转帐单");
        addFormat("托收A", "托收凭证", "银行转帐单");
        addFormat("支票A", "支票", "银行转帐单");
        addFormat("快递A", "快递单", "快递单");
        addFormat("现金A", "现金缴款单", "现金缴款单");
        const QString table = SelTableStringValue(CurAdo, "select DataTablename from p_NoteList where NoteName = ?", {format});
        auto bill = opened(QStringLiteral("select * from \"%1\" where 1=2").arg(table));
        QVERIFY(bill->append());
        bill->fieldByName("NoteName")->setValue(format);
        SetDefaultValue(*bill);
        QVERIFY(bill->post());
        QCOMPARE(stored(QStringLiteral("select %1 from \"%2\"").arg(columns, table)), QStringList{expected});
    }

    void withoutOwnCompanyTheColumnsAreEmpty()
    {
        addFormat("电汇A", "电汇单", "银行转帐单");
        auto bill = opened("select * from 银行转帐单 where 1=2");
        QVERIFY(bill->append());
        bill->fieldByName("NoteName")->setValue("电汇A");
        bill->fieldByName("付款人名称")->setValue("旧值");
        SetDefaultValue(*bill);  // the company book is empty
        QCOMPARE(bill->fieldByName("付款人名称")->asString(), "");
        QCOMPARE(bill->fieldByName("币别")->asString(), "人民币");
    }
};

QTEST_MAIN(TestBillCopy)
#include "tst_billcopy.moc"
