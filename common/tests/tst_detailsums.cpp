#include "TestProgramFolder.h"
#include "SqliteShell.h"

#include "core/bfun/DataSetFormula.h"
#include "core/bfun/DetailSums.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "gui/bfun/GridFieldDataChange.h"
#include "gui/dataaware/DataGridLink.h"

#include <QTableView>
#include <QtTest>

// Totals, numbering, zero defaults and field formulas on open data sets.
class TestDetailSums : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_master;
    std::unique_ptr<DataSet> m_detail;

    static std::unique_ptr<DataSet> opened(const QString &sql)
    {
        auto set = std::make_unique<DataSet>();
        set->setSql(sql);
        set->open();
        return set;
    }
    QStringList stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql); }
    QString value(const DataSet &set, const char *field) const { return set.fieldByName(field)->asString(); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, "create table m (id integer primary key autoincrement, 合计 money, 件数 int, 行数 int, 重量 float, 名称 text)");
        ExecTmpQuery(CurAdo, "create table d (id integer primary key autoincrement, seq int, 仓库 text, 金额 money, 数量 int, 重量 float, "
                             "单价 money, 折扣 int)");
        ExecTmpQuery(CurAdo, "insert into d (seq, 仓库, 金额, 数量, 重量) values (0, 'A', 0.1, 1, 0.5), (0, 'B', 0.3, 2, 1.25), "
                             "(0, 'A', 0.2, 3, 0.25)");
        m_master = opened("select * from m");
        m_detail = opened("select * from d order by id");
        QVERIFY(m_master->append());
    }
    void cleanup()
    {
        m_master.reset();
        m_detail.reset();
        m_folder.reset();
    }

    void sumsAreExactAndFollowTheFilter_data()
    {
        QTest::addColumn<QString>("filterValue");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("weight");
        QTest::newRow("all rows") << "" << "0.6" << "3" << "2.0";
        QTest::newRow("store A") << "A" << "0.3" << "2" << "0.75";
        QTest::newRow("no such store") << "C" << "0" << "0" << "0.0";
    }
    void sumsAreExactAndFollowTheFilter()
    {
        QFETCH(QString, filterValue);
        QFETCH(QString, total);
        QFETCH(QString, count);
        QFETCH(QString, weight);
        m_detail->setRecNo(2);
        SumDtlToMainTable(*m_master, *m_detail, "合计:金额;件数:*count*;行数:金额:1;重量:重量",
                          filterValue.isEmpty() ? QString() : QStringLiteral("仓库"), filterValue);
        QCOMPARE(m_detail->recNo(), 2);
        QVERIFY(m_master->post());
        // 0.1 + 0.2 is exactly 0.3, as the database shell shows it.
        QCOMPARE(stored("select 合计, 件数, 行数, 重量 from m"), QStringList{QStringList({total, count, "3", weight}).join('|')});
    }

    void sumsOverNoRowsWriteZero()
    {
        m_detail = opened("select * from d where 1=2");
        SumDtlToMainTable(*m_master, *m_detail, "合计:金额;件数:数量");
        QCOMPARE(value(*m_master, "合计"), "0");
        QCOMPARE(value(*m_master, "件数"), "0");
        QVERIFY_THROWS_EXCEPTION(CorvaneError, SumDtlToMainTable(*m_master, *m_detail, "合计:没有这列"));
    }

    void sequenceNumbersFollowTheCurrentOrder()
    {
        m_detail->setSort("金额 DESC");
        m_detail->setRecNo(3);
        QVERIFY(m_detail->edit());
        m_detail->fieldByName("仓库")->setValue("C");  // a pending edit is posted first
        QVERIFY(SetDtlTableSeqNo(*m_detail, "SEQ"));
        QCOMPARE(m_detail->recNo(), 3);
        QCOMPARE(stored("select seq, 仓库 from d order by id"), (QStringList{"3|C", "1|B", "2|A"}));
        QVERIFY(SetDtlTableSeqNo(*m_detail, "没有这列"));
    }

    void initialValuesAreZero()
    {
        m_master->fieldByName("名称")->setValue("x");
        SetTableInitValue(*m_master);
        QVERIFY(m_master->post());
        QCOMPARE(stored("select 合计, 件数, 行数, 重量, 名称, id from m"), QStringList{"0|0|0|0.0|x|1"});
    }

    void detailListFromAStatement()
    {
        const int added = InsertDetailList(CurAdo, *m_detail, "select 仓库 as w, 金额 * 2 as a from d where 仓库 = ?", {"A"},
                                           "仓库:w;金额:a");
        QCOMPARE(added, 2);
        QCOMPARE(stored("select 仓库, 金额 from d where id > 3 order by id"), (QStringList{"A|0.2", "A|0.4"}));
    }

    void formulas_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<QVariant>("price");
        QTest::addColumn<QVariant>("quantity");
        QTest::addColumn<QString>("amount");
        QTest::newRow("price times quantity") << "金额 =单价 *数量" << "数量" << QVariant("0.07") << QVariant(3) << "0.21";
        QTest::newRow("left to right") << "金额 =单价 +数量 *数量" << "单价" << QVariant("1.5") << QVariant(2) << "7";
        QTest::newRow("null operand") << "金额 =单价 *数量" << "单价" << QVariant() << QVariant(2) << "";
        QTest::newRow("not an operand") << "金额 =单价 *数量" << "重量" << QVariant("2") << QVariant(2) << "9";
        QTest::newRow("rounded to the ten-thousandth") << "金额 =单价 /数量" << "数量" << QVariant("1") << QVariant(3) << "0.3333";
        QTest::newRow("target among its operands") << "金额 =金额 +单价" << "单价" << QVariant("2") << QVariant(0) << "2";
    }
    void formulas()
    {
        QFETCH(QString, formula);
        QFETCH(QString, changed);
        QFETCH(QVariant, price);
        QFETCH(QVariant, quantity);
        QFETCH(QString, amount);
        QVERIFY(m_detail->edit());
        m_detail->fieldByName("金额")->setValue(9);
        m_detail->fieldByName("单价")->setValue(price);
        m_detail->fieldByName("数量")->setValue(quantity);
        int told = 0;
        connect(m_detail.get(), &DataSet::fieldChanged, this, [&](DataField *field) {
            ++told;
            TableFieldDataChange(*m_detail, formula, field);
        });
        m_detail->fieldByName(changed)->setValue(m_detail->fieldByName(changed)->value());
        QCOMPARE(value(*m_detail, "金额"), amount);
        QVERIFY(told <= 2);  // the change, and the target written once
    }

    void zeroDivisorLeavesTheTarget()
    {
        QVERIFY(m_detail->edit());
        m_detail->fieldByName("金额")->setValue(9);
        m_detail->fieldByName("单价")->setValue(1);
        m_detail->fieldByName("数量")->setValue(0);
        QVERIFY_THROWS_EXCEPTION(CorvaneError, TableFieldDataChange(*m_detail, "金额 =单价 /数量", m_detail->fieldByName("数量")));
        QCOMPARE(value(*m_detail, "金额"), "9");
        QVERIFY_THROWS_EXCEPTION(CorvaneError, TableFieldDataChange(*m_detail, "金额 =单价 *没有", m_detail->fieldByName("单价")));
    }

    void twoFormulasFeedingEachOtherStop()
    {
        QVERIFY(m_detail->edit());
        connect(m_detail.get(), &DataSet::fieldChanged, this, [&](DataField *field) {
            TableFieldDataChange(*m_detail, "数量 =折扣 +折扣", field);
            TableFieldDataChange(*m_detail, "折扣 =数量 +数量", field);
        });
        m_detail->fieldByName("折扣")->setValue(3);
        QCOMPARE(value(*m_detail, "数量"), "6");
        QCOMPARE(value(*m_detail, "折扣"), "3");  // what was typed stays
        m_detail->fieldByName("数量")->setValue(10);
        QCOMPARE(value(*m_detail, "折扣"), "20");
        QCOMPARE(value(*m_detail, "数量"), "10");
    }

    void gridFormulaWorksOnTheGridsDataSet()
    {
        QTableView grid;
        new DataGridLink(&grid, m_detail.get());
        QVERIFY(m_detail->edit());
        m_detail->fieldByName("单价")->setValue("2.5");
        GridFieldDataChange(grid, "金额 =单价 *数量", m_detail->fieldByName("单价"));
        QCOMPARE(value(*m_detail, "金额"), "2.5");
    }
};

QTEST_MAIN(TestDetailSums)
#include "tst_detailsums.moc"
