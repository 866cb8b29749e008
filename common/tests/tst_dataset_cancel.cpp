#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"

#include <QtTest>

// Cancel gives back the values the set held before the edit: those in memory (a cached
// change not yet applied, an earlier post), not only the stored row.
class TestDataSetCancel : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_set;

    QString name() const { return m_set->fieldByName(QStringLiteral("name"))->asString(); }
    QString names() const
    {
        QStringList all;
        const DataField *field = m_set->fieldByName(QStringLiteral("name"));
        for (int row = 0; row < m_set->recordCount(); ++row)
            all << m_set->value(row, field).toString();
        return all.join(QLatin1Char(','));
    }
    void type(const QString &text) { m_set->fieldByName(QStringLiteral("name"))->setValue(text); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("create table t (id integer primary key autoincrement, name text)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into t (name) values ('a'), ('b'), ('c')"));
        m_set = std::make_unique<DataSet>();
        m_set->setSql(QStringLiteral("select * from t order by id"));
    }
    void cleanup()
    {
        m_set.reset();
        m_folder.reset();
    }

    void cancelRestoresTheValuesInMemory_data()
    {
        QTest::addColumn<bool>("cached");
        QTest::newRow("writing through") << false;
        QTest::newRow("cached") << true;
    }
    void cancelRestoresTheValuesInMemory()
    {
        QFETCH(bool, cached);
        m_set->setCachedUpdates(cached);
        m_set->open();
        m_set->setRecNo(2);
        QVERIFY(m_set->edit());
        type(QStringLiteral("posted"));
        QVERIFY(m_set->post());

        // A second edit, cancelled: the posted value comes back, in the field and in the rows.
        QVERIFY(m_set->edit());
        type(QStringLiteral("typed"));
        m_set->cancel();
        QCOMPARE(m_set->state(), DataSet::State::Browse);
        QVERIFY(!m_set->isModified());
        QCOMPARE(name(), QStringLiteral("posted"));
        QCOMPARE(names(), QStringLiteral("a,posted,c"));

        // A cancelled insert leaves no row behind and the current row as it was.
        QVERIFY(m_set->append());
        type(QStringLiteral("new"));
        m_set->cancel();
        QCOMPARE(m_set->recordCount(), 3);
        QCOMPARE(names(), QStringLiteral("a,posted,c"));

        const QString stored = SqliteShellRows(m_folder->databasePath(), QStringLiteral("select group_concat(name) from t")).join(QString());
        QCOMPARE(stored, cached ? QStringLiteral("a,b,c") : QStringLiteral("a,posted,c"));
    }
};

QTEST_GUILESS_MAIN(TestDataSetCancel)
#include "tst_dataset_cancel.moc"
