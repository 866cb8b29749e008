#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSetTableModel.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"

#include <QAbstractItemModelTester>
#include <QtTest>

// The grid's model keeps Qt's item-model contract through everything a screen does to its data
// set; the tester fails the test at the first broken promise.
class TestDataSetTableModel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("create table t (id integer primary key autoincrement, name text, amount money, done bit)"));
    }
    void cleanup() { m_folder.reset(); }

    void contractHoldsThroughEveryChange_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("cached");
        QTest::newRow("short list") << 5 << false;
        QTest::newRow("list longer than a page") << 700 << false;
        QTest::newRow("cached") << 5 << true;
    }
    void contractHoldsThroughEveryChange()
    {
        QFETCH(int, rows);
        QFETCH(bool, cached);
        ExecTmpQuery(CurAdo, QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                                            "insert into t (name, amount, done) select 'r' || i, i % 17, i % 2 from n")
                                 .arg(rows));
        DataSet set;
        set.setSql(QStringLiteral("select * from t order by id"));
        set.setCachedUpdates(cached);
        DataSetTableModel model(&set);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);

        set.open();
        // A long list grows to every row once the data set has counted them.
        QTRY_COMPARE(model.rowCount(), rows);
        QVERIFY(set.setRecNo(3));

        QVERIFY(set.insert());
        QCOMPARE(model.rowCount(), rows + 1);
        set.fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("typed"));
        set.cancel();
        QCOMPARE(model.rowCount(), rows);
        QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("r3"));

        QVERIFY(set.append());
        set.fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("added"));
        QVERIFY(set.post());
        QCOMPARE(model.index(rows, 1).data().toString(), QStringLiteral("added"));

        QVERIFY(model.setData(model.index(1, 1), QStringLiteral("edited")));
        QVERIFY(set.post());
        QCOMPARE(model.index(1, 1).data().toString(), QStringLiteral("edited"));

        QVERIFY(set.setRecNo(2));
        set.deleteRecord();
        QCOMPARE(model.rowCount(), rows);
        if (cached)
            QVERIFY(set.applyUpdates());

        set.setSort(QStringLiteral("amount DESC,id"));
        QTRY_COMPARE(model.rowCount(), rows);
        set.requery();
        QTRY_COMPARE(model.rowCount(), rows);
        set.close();
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_MAIN(TestDataSetTableModel)
#include "tst_datasettablemodel.moc"
