#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QtTest>

using State = DataSet::State;

class TestDataSetStates : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_set;

    int storedRows() const
    {
        return SqliteShellRows(m_folder->databasePath(), QStringLiteral("select count(*) from t")).join(u'\n').toInt();
    }
    QString storedNames() const
    {
        return SqliteShellRows(m_folder->databasePath(), QStringLiteral("select group_concat(name, ',') from (select name from t order by id)")).join(u'\n');
    }

    // Brings the data set into the named starting state; "Edit" and "Insert" have a typed value.
    void enter(const QString &start)
    {
        if (start == QLatin1String("Inactive"))
            return;
        m_set->open();
        m_set->first();
        if (start == QLatin1String("Edit")) {
            QVERIFY(m_set->edit());
            m_set->fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("typed"));
        } else if (start == QLatin1String("Insert")) {
            QVERIFY(m_set->append());
            m_set->fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("typed"));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("create table t (id integer primary key autoincrement, name text, amount money)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into t (name, amount) values ('a', 1), ('b', 2), ('c', 3)"));
        m_set = std::make_unique<DataSet>();
        m_set->setSql(QStringLiteral("select * from t order by id"));
    }
    void cleanup()
    {
        m_set.reset();
        m_folder.reset();
    }

    void operationByState_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("refused");       // raises CorvaneError
        QTest::addColumn<State>("after");
        QTest::addColumn<int>("rows");            // rows held in memory afterwards
        QTest::addColumn<QString>("stored");      // names in the table afterwards

        const QString untouched = QStringLiteral("a,b,c");
        const QString edited = QStringLiteral("typed,b,c");
        const QString added = QStringLiteral("a,b,c,typed");
        for (const char *op : {"edit", "append", "insert", "post", "delete", "next", "requery"})
            QTest::addRow("Inactive %s", op) << "Inactive" << op << true << State::Inactive << 0 << untouched;
        QTest::newRow("Inactive cancel") << "Inactive" << "cancel" << false << State::Inactive << 0 << untouched;

        QTest::newRow("Browse edit") << "Browse" << "edit" << false << State::Edit << 3 << untouched;
        QTest::newRow("Browse append") << "Browse" << "append" << false << State::Insert << 4 << untouched;
        QTest::newRow("Browse insert") << "Browse" << "insert" << false << State::Insert << 4 << untouched;
        QTest::newRow("Browse post") << "Browse" << "post" << true << State::Browse << 3 << untouched;
        QTest::newRow("Browse cancel") << "Browse" << "cancel" << false << State::Browse << 3 << untouched;
        QTest::newRow("Browse delete") << "Browse" << "delete" << false << State::Browse << 2 << "b,c";
        QTest::newRow("Browse next") << "Browse" << "next" << false << State::Browse << 3 << untouched;
        QTest::newRow("Browse requery") << "Browse" << "requery" << false << State::Browse << 3 << untouched;

        QTest::newRow("Edit edit") << "Edit" << "edit" << false << State::Edit << 3 << untouched;
        QTest::newRow("Edit append posts first") << "Edit" << "append" << false << State::Insert << 4 << edited;
        QTest::newRow("Edit insert posts first") << "Edit" << "insert" << false << State::Insert << 4 << edited;
        QTest::newRow("Edit post") << "Edit" << "post" << false << State::Browse << 3 << edited;
        QTest::newRow("Edit cancel") << "Edit" << "cancel" << false << State::Browse << 3 << untouched;
        QTest::newRow("Edit delete drops the edit") << "Edit" << "delete" << false << State::Browse << 2 << "b,c";
        QTest::newRow("Edit next posts") << "Edit" << "next" << false << State::Browse << 3 << edited;
        QTest::newRow("Edit requery posts") << "Edit" << "requery" << false << State::Browse << 3 << edited;

        QTest::newRow("Insert edit") << "Insert" << "edit" << false << State::Insert << 4 << untouched;
        QTest::newRow("Insert append posts first") << "Insert" << "append" << false << State::Insert << 5 << added;
        QTest::newRow("Insert post") << "Insert" << "post" << false << State::Browse << 4 << added;
        QTest::newRow("Insert cancel") << "Insert" << "cancel" << false << State::Browse << 3 << untouched;
        QTest::newRow("Insert delete cancels") << "Insert" << "delete" << false << State::Browse << 3 << untouched;
        QTest::newRow("Insert prior posts") << "Insert" << "prior" << false << State::Browse << 4 << added;
    }
    void operationByState()
    {
        QFETCH(QString, start);
        QFETCH(QString, operation);
        QFETCH(bool, refused);
        QFETCH(State, after);
        QFETCH(int, rows);
        QFETCH(QString, stored);

        enter(start);
        const std::map<QString, std::function<void()>> operations = {
            {QStringLiteral("edit"), [&] { m_set->edit(); }},
            {QStringLiteral("append"), [&] { m_set->append(); }},
            {QStringLiteral("insert"), [&] { m_set->insert(); }},
            {QStringLiteral("post"), [&] { m_set->post(); }},
            {QStringLiteral("cancel"), [&] { m_set->cancel(); }},
            {QStringLiteral("delete"), [&] { m_set->deleteRecord(); }},
            {QStringLiteral("next"), [&] { m_set->next(); }},
            {QStringLiteral("prior"), [&] { m_set->prior(); }},
            {QStringLiteral("requery"), [&] { m_set->requery(); }},
        };
        bool raised = false;
        try {
            operations.at(operation)();
        } catch (const CorvaneError &) {
            raised = true;
        }
        QCOMPARE(raised, refused);
        QCOMPARE(m_set->state(), after);
        QCOMPARE(m_set->recordCount(), rows);
        QCOMPARE(storedNames(), stored);
    }

    void vetoedEditStaysBrowsing()
    {
        int asked = 0;
        m_set->setBeforeEdit([&](DataSet &set) {
            ++asked;
            return set.fieldByName(QStringLiteral("name"))->asString() != QLatin1String("b");
        });
        m_set->open();
        QVERIFY(m_set->edit());
        m_set->cancel();
        m_set->next();
        QVERIFY(!m_set->edit());
        QCOMPARE(m_set->state(), State::Browse);
        QCOMPARE(asked, 2);
        QVERIFY_THROWS_EXCEPTION(CorvaneError, m_set->fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("x")));
    }

    void vetoedPostKeepsTheRowInEdit()
    {
        DataSource source(m_set.get());
        bool controlsAsked = false;
        source.setOnUpdateData([&] {
            controlsAsked = true;
            return !m_set->fieldByName(QStringLiteral("amount"))->asCurrency().isZero();
        });
        m_set->setBeforePost([](DataSet &set) { return !set.fieldByName(QStringLiteral("name"))->asString().trimmed().isEmpty(); });
        m_set->open();
        QVERIFY(m_set->append());
        m_set->fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("  "));
        m_set->fieldByName(QStringLiteral("amount"))->setValue(QStringLiteral("5"));
        QVERIFY(!m_set->post());
        QVERIFY(controlsAsked);
        QCOMPARE(m_set->state(), State::Insert);
        QVERIFY(!m_set->next());  // the refused post also stops the move
        QCOMPARE(m_set->state(), State::Insert);
        m_set->fieldByName(QStringLiteral("amount"))->setValue(0);
        m_set->fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("d"));
        QVERIFY(!m_set->post());
        m_set->fieldByName(QStringLiteral("amount"))->setValue(QStringLiteral("-5"));
        QVERIFY(m_set->post());
        QCOMPARE(storedRows(), 4);
        QCOMPARE(SqliteShellRows(m_folder->databasePath(), QStringLiteral("select amount from t where name = 'd'")).join(u'\n'), QStringLiteral("-5"));
    }

    void newRecordDefaultsAreNotChanges()
    {
        m_set->setOnNewRecord([](DataSet &set) { set.fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("default")); });
        QList<State> states;
        connect(m_set.get(), &DataSet::stateChanged, this, [&](State state) { states.append(state); });
        m_set->open();
        QVERIFY(m_set->append());
        QVERIFY(!m_set->isModified());
        QCOMPARE(m_set->fieldByName(QStringLiteral("name"))->asString(), QStringLiteral("default"));
        m_set->first();  // an untouched new row is dropped, as nothing was typed
        QCOMPARE(m_set->recordCount(), 3);
        QVERIFY(m_set->append());
        m_set->fieldByName(QStringLiteral("amount"))->setValue(7);
        QVERIFY(m_set->isModified());
        m_set->first();
        QCOMPARE(storedNames(), QStringLiteral("a,b,c,default"));
        QCOMPARE(states, (QList<State>{State::Browse, State::Insert, State::Browse, State::Insert, State::Browse}));
    }

    void editOfAnEmptySetStartsAnInsert()
    {
        m_set->setSql(QStringLiteral("select * from t where 1=2"));
        m_set->open();
        QVERIFY(m_set->isEmpty());
        QVERIFY(m_set->edit());
        QCOMPARE(m_set->state(), State::Insert);
    }

    void rowsOfSeveralTablesAreReadOnly()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create table u (id integer primary key, tid int, note text)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into u (tid, note) values (1, 'n')"));
        m_set->setSql(QStringLiteral("select t.name, u.note from t, u where t.id = u.tid"));
        m_set->open();
        QVERIFY(!m_set->canModify());
        QVERIFY_THROWS_EXCEPTION(CorvaneError, m_set->edit());
        QVERIFY_THROWS_EXCEPTION(CorvaneError, m_set->deleteRecord());

        m_set->setSql(QStringLiteral("select name, amount * 2 as twice from t order by id"));
        m_set->open();
        QVERIFY(m_set->canModify());
        QVERIFY(m_set->fieldByName(QStringLiteral("TWICE"))->isReadOnly());
        QVERIFY(m_set->edit());
        m_set->fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("keyless"));
        QVERIFY(m_set->post());
        QCOMPARE(storedNames(), QStringLiteral("keyless,b,c"));
    }

    void navigationFlags()
    {
        m_set->open();
        QVERIFY(m_set->bof() && !m_set->eof());
        QStringList seen;
        while (!m_set->eof()) {
            seen.append(m_set->fieldByName(QStringLiteral("name"))->asString());
            m_set->next();
        }
        QCOMPARE(seen, (QStringList{"a", "b", "c"}));
        QCOMPARE(m_set->recNo(), 3);
        m_set->moveBy(-5);
        QVERIFY(m_set->bof());
        QCOMPARE(m_set->recNo(), 1);
        QVERIFY(m_set->last() && m_set->eof());
        int scrolls = 0;
        connect(m_set.get(), &DataSet::afterScroll, this, [&] { ++scrolls; });
        m_set->setRecNo(2);
        m_set->setRecNo(2);
        QCOMPARE(scrolls, 1);
    }
};

QTEST_MAIN(TestDataSetStates)
#include "tst_dataset_states.moc"
