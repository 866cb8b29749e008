#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoDataSetFunc.h"
#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QtTest>

class TestAdoDataSetFunc : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_set;

    QString stored(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql).join(u'\n'); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("create table d (id integer primary key autoincrement, seq int, price money, name text, day datetime)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into d (seq, price, name, day) values "
                                            "(-4, 1, 'a', '2024-02-01'), (7, 2, 'b', NULL), (3, 3, 'c', '2024-03-01 08:00:00')"));
        m_set = std::make_unique<DataSet>();
        m_set->setSql(QStringLiteral("select * from d order by id"));
        m_set->open();
    }
    void cleanup()
    {
        m_set.reset();
        m_folder.reset();
    }

    void maximaOverAllRowsKeepTheCurrentRow()
    {
        m_set->setRecNo(2);
        QCOMPARE(AdoQueryGetMaxSeqNo(*m_set, 1), 7);
        QCOMPARE(AdoQueryGetMaxDate(*m_set, QStringLiteral("DAY")), QDateTime(QDate(2024, 3, 1), QTime(8, 0)));
        QCOMPARE(m_set->recNo(), 2);
        xRunQuery(*m_set, QStringLiteral("select * from d where seq < ?"), true, {0});
        QCOMPARE(m_set->recordCount(), 1);
        QCOMPARE(AdoQueryGetMaxSeqNo(*m_set, 1), 0);  // starts from 0
        xRunQuery(*m_set, QStringLiteral("select * from d where 1=2"), true);
        QVERIFY(!AdoQueryGetMaxDate(*m_set, QStringLiteral("day")).isValid());
    }

    void runAsCommandLeavesTheSetClosed()
    {
        xRunQuery(*m_set, QStringLiteral("update d set name = ? where seq = ?"), false, {QStringLiteral("x'y"), 7});
        QVERIFY(!m_set->isActive());
        QCOMPARE(stored(QStringLiteral("select name from d where seq = 7")), QStringLiteral("x'y"));
    }

    void pickListReopensTheQuery()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into d (name) values ('late')"));
        QStringList list{QStringLiteral("old")};
        xRunQuery(*m_set, QStringLiteral("select name from d order by id"), true);
        QueryItemPickList(*m_set, list);
        QCOMPARE(list, (QStringList{"a", "b", "c", "late"}));
    }

    void deleteTableRemovesEveryRowQuietly()
    {
        int told = 0;
        connect(m_set.get(), &DataSet::dataChanged, this, [&] { ++told; });
        DeleteTable(*m_set);
        QVERIFY(m_set->isEmpty());
        QCOMPARE(told, 1);  // once, when the controls are given back
        QCOMPARE(stored(QStringLiteral("select count(*) from d")), QStringLiteral("0"));
        DeleteAdoQuery(*m_set);  // an empty set is left alone
    }

    void hiddenPriceShowsStars()
    {
        DisVisablePrice(*m_set, {QStringLiteral("price"), QStringLiteral("name")});
        QCOMPARE(m_set->fieldByName(QStringLiteral("price"))->displayText(), QStringLiteral("****"));
        QCOMPARE(m_set->fieldByName(QStringLiteral("name"))->displayText(), QStringLiteral("a"));
        QVERIFY_THROWS_EXCEPTION(CorvaneError, DisVisablePrice(*m_set, {QStringLiteral("no_column")}));
    }

    void masterEditKeepsTheDetailRow()
    {
        DataSet detail;
        detail.setSql(QStringLiteral("select * from d order by id"));
        detail.open();
        detail.last();
        QVERIFY(MasterTableEDit(*m_set, detail));
        QCOMPARE(m_set->state(), DataSet::State::Edit);
        QCOMPARE(detail.recNo(), 3);
        QVERIFY(PostDataSet(*m_set));
        QVERIFY(PostDataSet(*m_set));  // browsing: nothing to do
    }

    void updateEveryRowStopsAtARefusedPost()
    {
        QVERIFY(UpdateQueryDtlValue(*m_set, QStringLiteral("name"), QStringLiteral("all")));
        QCOMPARE(stored(QStringLiteral("select group_concat(name) from d")), QStringLiteral("all,all,all"));
        m_set->setBeforePost([](DataSet &set) { return set.fieldByName(QStringLiteral("seq"))->asInteger() != 7; });
        QVERIFY(!UpdateQueryDtlValue(*m_set, QStringLiteral("name"), QStringLiteral("z")));
        QVERIFY(PostDataSet(*m_set) == false);
        m_set->cancel();
        QCOMPARE(stored(QStringLiteral("select group_concat(name) from d")), QStringLiteral("z,all,all"));
    }
};

QTEST_MAIN(TestAdoDataSetFunc)
#include "tst_adodatasetfunc.moc"
