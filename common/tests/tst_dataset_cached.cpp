#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QtTest>

// Detail rows kept in memory and written in one batch.
class TestDataSetCached : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    QString stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql).join(u'\n'); }
    QString storedLines() const
    {
        return stored(QStringLiteral("select group_concat(refno || ':' || item || ':' || qty, ',') from (select * from dtl order by lineid)"));
    }

    static void addLine(DataSet &set, const QString &item, int qty)
    {
        QVERIFY(set.append());
        set.fieldByName(QStringLiteral("RefNo"))->setValue(QStringLiteral("100"));
        set.fieldByName(QStringLiteral("item"))->setValue(item);
        set.fieldByName(QStringLiteral("qty"))->setValue(qty);
        QVERIFY(set.post());
    }

    std::unique_ptr<DataSet> openDetail()
    {
        auto set = std::make_unique<DataSet>();
        set->setCachedUpdates(true);
        set->setSql(QStringLiteral("select * from dtl where refno = ? order by lineid"), {QStringLiteral("100")});
        set->open();
        return set;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("create table dtl (lineid integer primary key autoincrement, refno varchar(10), item varchar(20), qty int)"));
        ExecTmpQuery(CurAdo, QStringLiteral("create trigger no_bad before insert on dtl when new.item = 'bad' "
                                            "begin select raise(abort, 'item bad refused'); end"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into dtl (refno, item, qty) values ('100', 'old1', 1), ('100', 'old2', 2)"));
    }
    void cleanup() { m_folder.reset(); }

    void failingRowRollsBackTheWholeBatch()
    {
        auto set = openDetail();
        set->edit();
        set->fieldByName(QStringLiteral("qty"))->setValue(10);
        set->post();
        set->last();
        set->deleteRecord();
        addLine(*set, QStringLiteral("good"), 3);
        addLine(*set, QStringLiteral("bad"), 4);
        QCOMPARE(storedLines(), QStringLiteral("100:old1:1,100:old2:2"));  // nothing written by post

        try {
            set->applyUpdates();
            QFAIL("no error raised");
        } catch (const DatabaseError &error) {
            QVERIFY2(error.message().contains(QLatin1String("item bad refused")), qPrintable(error.message()));
        }
        QCOMPARE(storedLines(), QStringLiteral("100:old1:1,100:old2:2"));
        QVERIFY(set->hasPendingUpdates());
        QCOMPARE(set->recordCount(), 3);
        QVERIFY(set->fieldByName(QStringLiteral("lineid"))->isNull());  // no id of the undone insert

        set->last();
        set->edit();
        set->fieldByName(QStringLiteral("item"))->setValue(QStringLiteral("fixed"));
        QVERIFY(set->applyUpdates());  // posts the row being edited first
        QVERIFY(!set->hasPendingUpdates());
        QCOMPARE(storedLines(), QStringLiteral("100:old1:10,100:good:3,100:fixed:4"));
        QCOMPARE(set->fieldByName(QStringLiteral("lineid"))->asInteger(), 4);
    }

    void twoListsInOneOuterTransaction_data()
    {
        QTest::addColumn<bool>("commit");
        QTest::newRow("rolled back") << false;
        QTest::newRow("committed") << true;
    }
    void twoListsInOneOuterTransaction()
    {
        QFETCH(bool, commit);
        auto first = openDetail();
        auto second = openDetail();
        addLine(*first, QStringLiteral("one"), 1);
        addLine(*second, QStringLiteral("two"), 2);
        {
            Transaction outer(CurAdo);
            QVERIFY(first->applyUpdates());
            QVERIFY(second->applyUpdates());
            // The cache stays until the outer work is kept.
            QVERIFY(first->hasPendingUpdates());
            if (commit)
                outer.commit();
        }
        QCOMPARE(first->hasPendingUpdates(), !commit);
        QCOMPARE(second->hasPendingUpdates(), !commit);
        QCOMPARE(stored(QStringLiteral("select count(*) from dtl")), QString::number(commit ? 4 : 2));
        if (!commit) {
            QVERIFY(first->applyUpdates());
            QCOMPARE(stored(QStringLiteral("select count(*) from dtl")), QStringLiteral("3"));
        }
    }

    void innerFailureKeepsTheOuterWork()
    {
        Transaction outer(CurAdo);
        ExecTmpQuery(CurAdo, QStringLiteral("insert into dtl (refno, item, qty) values ('200', 'kept', 1)"));
        auto set = openDetail();
        addLine(*set, QStringLiteral("bad"), 1);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, set->applyUpdates());
        outer.commit();
        QCOMPARE(stored(QStringLiteral("select group_concat(item) from dtl where refno = '200'")), QStringLiteral("kept"));
        QVERIFY(set->hasPendingUpdates());
    }

    void cancelUpdatesRestoresTheLoadedRows()
    {
        auto set = openDetail();
        set->edit();
        set->fieldByName(QStringLiteral("item"))->setValue(QStringLiteral("changed"));
        set->post();
        set->deleteRecord();
        addLine(*set, QStringLiteral("new"), 5);
        set->cancelUpdates();
        QVERIFY(!set->hasPendingUpdates());
        QStringList items;
        for (set->first(); !set->eof(); set->next())
            items.append(set->fieldByName(QStringLiteral("item"))->asString());
        QCOMPARE(items, (QStringList{"old1", "old2"}));
    }

    void changedRowMissingFromTheTableFailsTheBatch()
    {
        auto set = openDetail();
        set->edit();
        set->fieldByName(QStringLiteral("qty"))->setValue(9);
        set->post();
        ExecTmpQuery(CurAdo, QStringLiteral("delete from dtl where item = 'old1'"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, set->applyUpdates());
        QVERIFY(set->hasPendingUpdates());
    }
};

QTEST_MAIN(TestDataSetCached)
#include "tst_dataset_cached.moc"
