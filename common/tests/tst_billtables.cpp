#include "TestProgramFolder.h"
#include "SqliteShell.h"

#include "core/db/AdoFunc.h"
#include "core/db/TableCatalog.h"
#include "core/dbfun/BillColumns.h"
#include "core/dbfun/BillTableDdl.h"
#include "core/globals/PubDm.h"

#include <QSqlDatabase>
#include <QtTest>

// The built-in bill tables of the shipped database against their own definition rows.
class TestBillTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
    }
    void cleanup() { m_folder.reset(); }

    void shippedTablesAreBuiltFromTheirDefinitions()
    {
        QStringList tables;
        SqlAddPickList(CurAdo, "select TableName from p_tables order by autoid", tables);
        QCOMPARE(tables, (QStringList{"银行转帐单", "快递单", "出货单", "出货单明细", "进仓单", "进仓单明细", "收据", "现金缴款单"}));

        const QString emptyPath = m_folder->file("tmp/empty.db");
        {
            QSqlDatabase empty = QSqlDatabase::addDatabase("QSQLITE", "empty");
            empty.setDatabaseName(emptyPath);
            QVERIFY(empty.open());
            for (const QString &table : std::as_const(tables)) {
                const BillTableResult result = BuildBillTable(empty, table, false, ReadTableFieldDefs(CurAdo, table));
                QVERIFY2(result.outcome == BillTableOutcome::Done, qPrintable(table + ": " + result.error));
            }
            empty.close();
        }
        QSqlDatabase::removeDatabase("empty");

        // Full PRAGMA rows (name, type, not null, default, key) read by the shell from both files.
        const QString pragma = QStringLiteral("select * from pragma_table_info('%1')");
        for (const QString &table : std::as_const(tables)) {
            const QStringList built = SqliteShellRows(emptyPath, pragma.arg(table));
            QVERIFY(!built.isEmpty());
            QVERIFY2(SqliteShellRows(m_folder->databasePath(), pragma.arg(table)) == built,
                     qPrintable(QStringLiteral("%1 differs from its definition; it should read:\n%2")
                                    .arg(table, SqliteShellRows(emptyPath, QStringLiteral("select sql from sqlite_master where name = '%1'").arg(table)).join('\n'))));
        }
    }

    void columnsTheProgramRelyOn_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("bank") << "银行转帐单"
                              << QStringList{"付款日期 datetime", "金额 money", "用途", "单据号码", "付款人名称", "付款银行", "付款账户",
                                             "付款人省", "付款人市", "收款人名称", "收款银行", "收款账户", "收款人省", "收款人市", "币别",
                                             "支付密码", "金额_金额大写", "金额_小写元", "金额_大写十亿位", "付款日期_大写年", "支付密码_16"};
        QStringList waybill{"寄件日期 datetime", "代收货款 money", "声明价值 money", "运费支付方式", "货品名称", "件数", "淘宝订单号"};
        for (const QString x : {"寄件", "收件"}) {
            for (const char *suffix : {"人名称", "人联系人", "人地址", "人电话", "手机", "人邮编", "省", "市", "区", "区号"})
                waybill.append(x + QString::fromUtf8(suffix));
        }
        QTest::newRow("waybill") << "快递单" << waybill;
        QTest::newRow("delivery") << "出货单" << QStringList{"出货日期 datetime", "合计金额 money", "收货单位", "地址", "电话", "客户编号"};
        QTest::newRow("delivery rows") << "出货单明细" << QStringList{"Refno", "产品编号", "品名", "规格", "数量", "仓库"};
        QTest::newRow("receipt") << "进仓单" << QStringList{"日期 datetime", "合计金额 money"};
        QTest::newRow("receipt rows") << "进仓单明细" << QStringList{"Refno", "产品编号", "仓库", "数量"};
        QTest::newRow("cash receipt") << "收据" << QStringList{"付款日期 datetime", "金额 money"};
        QStringList cash{"币种", "金额 money"};
        for (const QString &name : CashCountFieldNames)
            cash.append(name + " int");
        for (const QString &name : CashAmountFieldNames)
            cash.append(name + " money");
        QTest::newRow("cash slip") << "现金缴款单" << cash;
    }
    void columnsTheProgramRelyOn()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        const QStringList shipped = SqliteShellColumns(m_folder->databasePath(), table);
        for (const QString &column : std::as_const(columns)) {
            const bool typed = column.contains(' ');
            const bool found = std::any_of(shipped.begin(), shipped.end(), [&](const QString &c) {
                return typed ? c.compare(column, Qt::CaseInsensitive) == 0 : c.section(' ', 0, 0) == column;
            });
            QVERIFY2(found, qPrintable(table + ": " + column));
        }
    }

    void pickListsInValueOrder()
    {
        QStringList list;
        SqlAddPickList(CurAdo, "select Name from s_FieldType where type = 1 order by value", list);
        QCOMPARE(list, (QStringList{"字符型", "整数", "日期", "金额", "是否", "备注", "小数", "复选框", "拆分字符串"}));
        SqlAddPickList(CurAdo, "select Name from s_FieldType where type = 3 order by value", list);
        QCOMPARE(list, (QStringList{"大写合并", "合并+拆分", "大写拆分", "大写拆分2"}));
    }

private:
    std::unique_ptr<TestProgramFolder> m_folder;
};

QTEST_MAIN(TestBillTables)
#include "tst_billtables.moc"
