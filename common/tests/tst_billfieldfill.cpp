#include "TestProgramFolder.h"
#include "SqliteShell.h"

#include "core/convert/AmountRangeError.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/dbfun/BillColumns.h"
#include "core/dbfun/BillFieldFill.h"
#include "core/dbfun/BillTableDdl.h"
#include "core/dbfun/CashSlip.h"
#include "core/dbfun/TableFieldChange.h"
#include "core/globals/PubDm.h"

#include <QtTest>

namespace {
const QString kTable = QStringLiteral("测试单");

// Every option the fill knows, on one table defined like a user's own.
void defineTestTable()
{
    ExecTmpQuery(CurAdo, "insert into p_tables (RefNo, TableName) values ('900', ?)", {kTable});
    const QVariantList fields[] = {
        {"金额A", "金额", 0, "小写拆分", "合并+拆分", "", 0},
        {"金额B", "金额", 0, "", "大写拆分2", "", 0},
        {"金额C", "金额", 0, "", "", "", 0},
        {"跳过", "金额", 0, "小写拆分", "大写合并", "", 1},
        {"日期A", "日期", 0, "小写拆分", "大写拆分", "", 0},
        {"日期B", "日期", 0, "", "大写合并", "", 0},
        {"日期C", "日期", 0, "", "合并+拆分", "", 0},
        {"密码", "拆分字符串", 6, "", "", "", 0},
        {"性别", "复选框", 2, "", "", "男 ; 女 ; 其他", 0},
    };
    int seq = 0;
    for (QVariantList field : fields) {
        field.prepend(++seq);
        ExecTmpQuery(CurAdo, "insert into p_TableFields (RefNo, seqno, FieldName, FieldType, LEN, smalltype, BigType, CheckItems, Type) "
                             "values ('900', ?, ?, ?, ?, ?, ?, ?, ?)", field);
    }
    const BillTableResult built = BuildBillTable(CurAdo, kTable, false);
    QVERIFY2(built.outcome == BillTableOutcome::Done, qPrintable(built.error));
}
} // namespace

// The derived columns follow their field as a bill form's changes would make them.
class TestBillFieldFill : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_bill;

    void openBill(const QString &table)
    {
        m_bill = std::make_unique<DataSet>();
        m_bill->setSql(QStringLiteral("select * from \"%1\"").arg(table));
        m_bill->open();
        connect(m_bill.get(), &DataSet::fieldChanged, this, [this, table](DataField *field) { TableFieldChange(*m_bill, table, field); });
        QVERIFY(m_bill->append());
    }
    void set(const QString &field, const QVariant &value) { m_bill->fieldByName(field)->setValue(value); }
    QVariant at(const QString &field) const { return m_bill->fieldByName(field)->value(); }
    QString text(const QString &field) const { return m_bill->fieldByName(field)->asString(); }
    // The posted row's column, read by the sqlite3 shell.
    QString stored(const QString &table, const QString &column) const
    {
        return SqliteShellRows(m_folder->databasePath(), QStringLiteral("select \"%1\" from \"%2\"").arg(column, table)).join('|');
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        FieldChange = true;
        defineTestTable();
        openBill(kTable);
    }
    void cleanup()
    {
        m_bill.reset();
        m_folder.reset();
    }

    void amountWithEveryOption_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        const QStringList figures{"0", "5", "4", "3", "2", "1", "￥", "", "", "", "", ""};
        const QStringList capitals{"零", "伍", "肆", "叁", "贰", "壹", "零", "零", "零", "零", "零", "零"};
        for (int pos = 0; pos < 12; ++pos) {
            const QString place = MONEY_FIELDNAME_CH[pos];
            QTest::addRow("small %s", qPrintable(place)) << "金额A_小写" + place << figures[pos];
            QTest::addRow("capital %s", qPrintable(place)) << "金额A_大写" + place << capitals[pos];
            if (pos < 8)
                QTest::addRow("short capital %s", qPrintable(place)) << "金额B_大写" + place << capitals[pos];
        }
        QTest::newRow("whole capital") << "金额A_金额大写" << "壹仟贰佰叁拾肆元伍角";
        QTest::newRow("amount itself") << "金额A" << "1234.5";
    }
    void amountWithEveryOption()
    {
        QFETCH(QString, column);
        QFETCH(QString, expected);
        set("金额A", "1234.50");
        set("金额B", "1234.50");
        QVERIFY(m_bill->post());
        QCOMPARE(stored(kTable, column), expected);
    }

    void zeroAndEmptyAmounts()
    {
        set("金额A", 0);
        QCOMPARE(text("金额A_金额大写"), "");
        QCOMPARE(text("金额A_大写分"), "零");
        QCOMPARE(text("金额A_大写十亿位"), "零");
        QCOMPARE(text("金额A_小写分"), "0");
        QCOMPARE(text("金额A_小写角"), "￥");
        QCOMPARE(text("金额A_小写元"), "");
        set("金额A", 7);
        m_bill->fieldByName("金额A")->clear();  // no amount: no figures and no capitals either
        for (const QString &place : MONEY_FIELDNAME_CH) {
            QCOMPARE(text("金额A_小写" + place), "");
            QCOMPARE(text("金额A_大写" + place), "");
        }
        QCOMPARE(text("金额A_金额大写"), "");
    }

    void fieldsWithoutFillStayUntouched()
    {
        set("跳过", 12);     // Type 1: no derived columns are filled
        set("金额C", 12);    // no options, no derived columns
        set("日期C", QDate(2024, 3, 5));
        QVERIFY(at("跳过_小写元").isNull());
        QVERIFY(at("跳过_金额大写").isNull());
    }

    // A definition is found whatever the letter case of its name and the blanks around it, and
    // of two definitions of one name the first counts.
    void definitionFoundInAnyLetterCaseTheFirstCounts()
    {
        const BillFieldFill fill(kTable, {{QStringLiteral(" 金额a "), QStringLiteral("金额"), 0, 0, QString(), QStringLiteral("大写合并"), QString()},
                                          {QStringLiteral("金额A"), QStringLiteral("金额"), 0, 0, QStringLiteral("小写拆分"),
                                           QStringLiteral("合并+拆分"), QString()}});
        DataSet bill;
        bill.setSql(QStringLiteral("select * from \"%1\"").arg(kTable));
        bill.open();
        connect(&bill, &DataSet::fieldChanged, this, [&](DataField *field) { fill.fieldChanged(bill, field); });
        QVERIFY(bill.append());
        bill.fieldByName(QStringLiteral("金额A"))->setValue(12);
        QCOMPARE(bill.fieldByName(QStringLiteral("金额A_金额大写"))->asString(), QStringLiteral("壹拾贰元整"));
        QVERIFY(bill.fieldByName(QStringLiteral("金额A_小写元"))->isNull());
        QVERIFY(bill.fieldByName(QStringLiteral("金额A_大写元"))->isNull());
        bill.cancel();
    }

    void splitStringByCharacters()
    {
        set("密码", "中文ab𠀀x");
        const QStringList expected{"中", "文", "a", "b", "𠀀", "x"};
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(text(SplitCharColumn("密码", i)), expected[i - 1]);
        set("密码", "好");
        QCOMPARE(text("密码_1"), "好");
        QCOMPARE(text("密码_2"), "");
        QCOMPARE(text("密码_6"), "");
    }

    void checkItems_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("ticks");
        QTest::newRow("second") << "1" << ",√,";
        QTest::newRow("first") << "0" << "√,,";
        QTest::newRow("empty") << "" << ",,";
        QTest::newRow("not a number") << "女" << ",,";
        QTest::newRow("beyond the items") << "3" << ",,";
    }
    void checkItems()
    {
        QFETCH(QString, value);
        QFETCH(QString, ticks);
        set("性别", "2");
        set("性别", value);
        QCOMPARE(QStringList({text("性别_男"), text("性别_女"), text("性别_其他")}).join(','), ticks);
    }

    void dateWithEveryOption()
    {
        set("日期A", QDate(2024, 3, 5));
        set("日期B", QDate(2024, 10, 20));
        const std::pair<const char *, const char *> expected[] = {
            {"日期A_小写年", "2024"}, {"日期A_小写月", "03"},   {"日期A_小写日", "05"},
            {"日期A_大写年", "贰零贰肆"}, {"日期A_大写月", "零叁"}, {"日期A_大写日", "零伍"},
            {"日期B_大写日期", "2024年10月20日"}};
        for (const auto &[column, value] : expected)
            QCOMPARE(text(column), QString::fromUtf8(value));

        m_bill->fieldByName("日期A")->clear();
        m_bill->fieldByName("日期B")->clear();
        for (const QString &part : DATE_FIELDNAME_CH) {
            QCOMPARE(text("日期A_小写" + part), "");
            QCOMPARE(text("日期A_大写" + part), "");
        }
        QCOMPARE(text("日期B_大写日期"), "");
    }

    void afterAFailingFillTheNextChangeStillFills()
    {
        set("金额A", "1234.50");
        // Out of range: the old capitals must not stay beside the new figure.
        QVERIFY_THROWS_EXCEPTION(AmountRangeError, set("金额A", "10000000000000"));
        QCOMPARE(text("金额A"), "10000000000000");
        QCOMPARE(text("金额A_金额大写"), "");
        QCOMPARE(text("金额A_小写千位"), "");
        QCOMPARE(text("金额A_大写千位"), "");
        QVERIFY(FieldChange);
        set("金额A", 5);
        QCOMPARE(text("金额A_金额大写"), "伍元整");

        // A check item added to the definition without updating the table: the column is missing.
        ExecTmpQuery(CurAdo, "update p_TableFields set CheckItems = '男;女;未知列' where FieldName = '性别'");
        QVERIFY_THROWS_EXCEPTION(CorvaneError, set("性别", "1"));
        QVERIFY(FieldChange);
        set("金额A", 6);
        QCOMPARE(text("金额A_金额大写"), "陆元整");
    }

    void cashSlipChain()
    {
        openBill("现金缴款单");
        set("数量100", 3);
        QCOMPARE(text("金额100"), "300");
        QCOMPARE(text("金额"), "300");
        QCOMPARE(text("金额_金额大写"), "叁佰元整");
        set("数量1分", 7);
        set("辅币", "0.2");
        QVERIFY(m_bill->post());
        QCOMPARE(stored("现金缴款单", "金额1分"), "0.07");
        QCOMPARE(stored("现金缴款单", "金额"), "300.27");
        QCOMPARE(stored("现金缴款单", "金额_金额大写"), "叁佰元贰角柒分");
        QCOMPARE(stored("现金缴款单", "金额_小写分"), "7");
        QCOMPARE(SumCashAmounts(*m_bill), Currency::fromUnits(3002700));
    }

    void cashColumnsByKind()
    {
        QCOMPARE(FindCashFieldIndex("数量1000", 0), 0);
        QCOMPARE(FindCashFieldIndex("数量1分", 0), 14);
        QCOMPARE(FindCashFieldIndex("其他", 1), 19);
        QCOMPARE(FindCashFieldIndex("其他", 0), -1);
        QCOMPARE(FindCashFieldIndex("数量1分", 2), -1);
        QVERIFY(!CashSlipFieldChange(*m_bill, kTable, m_bill->fieldByName("金额A")));
    }
};

QTEST_MAIN(TestBillFieldFill)
#include "tst_billfieldfill.moc"
