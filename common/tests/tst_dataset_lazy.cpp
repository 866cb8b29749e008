#include "LongTable.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/FieldNameRole.h"
#include "core/db/AdoFunc.h"
#include "core/db/Transaction.h"
#include "core/globals/PubDm.h"
#include "core/grid/FooterList.h"
#include "gui/grid/DataGrid.h"

#include <QtTest>

// A list longer than a page: rows are read as they are reached, and everything the list shows
// is the same as a list read whole.
class TestDataSetLazy : public QObject
{
    Q_OBJECT

private:
    static constexpr int kRows = 10000;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<DataSet> m_set;

    QStringList shell(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql); }

    // Every row of the set as "id|name", read through the set.
    QStringList heldRows() const
    {
        QStringList rows;
        DataField *id = m_set->fieldByName(QStringLiteral("id"));
        DataField *name = m_set->fieldByName(QStringLiteral("name"));
        for (int row = 0; row < m_set->recordCount(); ++row)
            rows.append(m_set->value(row, id).toString() + u'|' + m_set->value(row, name).toString());
        return rows;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        CreateLongTable(kRows);
        m_set = std::make_unique<DataSet>();
        m_set->setSql(QStringLiteral("select * from t where id > ? order by id"), {0});
        m_set->open();
        QCOMPARE(m_set->recordCount(), kRows);
        QVERIFY(m_set->fetchedCount() < kRows);
    }
    void cleanup()
    {
        m_set.reset();
        m_folder.reset();
    }

    void footerSumsEqualTheDatabaseSums()
    {
        const QString amount = FooterText(*m_set, *m_set->fieldByName(QStringLiteral("amount")), {QStringLiteral("amount"), FooterItem::Sum, {}});
        const QString pieces = FooterText(*m_set, *m_set->fieldByName(QStringLiteral("pieces")), {QStringLiteral("pieces"), FooterItem::Sum, {}});
        const QString count = FooterText(*m_set, *m_set->fieldByName(QStringLiteral("id")), {QStringLiteral("id"), FooterItem::Count, {}});
        QVERIFY(m_set->fetchedCount() < kRows);
        QCOMPARE(amount, shell(QStringLiteral("select printf('%.2f', sum(amount)) from t")).join(QString()));
        QCOMPARE(pieces, shell(QStringLiteral("select sum(pieces) from t")).join(QString()));
        QCOMPARE(count, QString::number(kRows));

        // An edit not yet fetched past counts as it stands in memory.
        QVERIFY(m_set->setRecNo(3));
        QVERIFY(m_set->edit());
        m_set->fieldByName(QStringLiteral("amount"))->setValue(QStringLiteral("1000000"));
        const QString edited = FooterText(*m_set, *m_set->fieldByName(QStringLiteral("amount")), {QStringLiteral("amount"), FooterItem::Sum, {}});
        QCOMPARE(edited, shell(QStringLiteral("select printf('%.2f', sum(case id when 3 then 1000000 else amount end)) from t")).join(QString()));
    }

    void scrollingToTheLastRowShowsIt()
    {
        DataGrid grid;
        grid.resize(400, 300);
        grid.setDataSet(m_set.get());
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.scrollToBottom();
        QCoreApplication::processEvents();
        const QModelIndex bottom = grid.indexAt(QPoint(2, grid.viewport()->height() - 2));
        QCOMPARE(bottom.row(), kRows - 1);
        const QString last = shell(QStringLiteral("select name from t order by id desc limit 1")).join(QString());
        int nameColumn = 0;
        while (grid.model()->headerData(nameColumn, Qt::Horizontal, FieldNameRole).toString() != QLatin1String("name"))
            ++nameColumn;
        QCOMPARE(grid.model()->index(bottom.row(), nameColumn).data().toString(), last);

        QVERIFY(m_set->last());
        QCOMPARE(m_set->fieldByName(QStringLiteral("name"))->asString(), last);
        QCOMPARE(m_set->recNo(), kRows);
    }

    // Edits, deletes, inserts and refreshes made while most rows are still to be read.
    void changesInThePartlyFetchedListKeepTheRightRows()
    {
        QVERIFY(m_set->setRecNo(100));
        QVERIFY(m_set->edit());
        m_set->fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("edited"));
        QVERIFY(m_set->post());
        QVERIFY(m_set->setRecNo(50));
        m_set->deleteRecord();
        // A new row before row 200: the table hands it the highest id, where the open
        // statement would read it again at the end.
        QVERIFY(m_set->setRecNo(200));
        QVERIFY(m_set->insert());
        m_set->fieldByName(QStringLiteral("name"))->setValue(QStringLiteral("new"));
        QVERIFY(m_set->post());
        QVERIFY(m_set->fetchedCount() < kRows);
        QCOMPARE(m_set->recordCount(), kRows);

        QStringList expected = shell(QStringLiteral("select id || '|' || name from t where name <> 'new' order by id"));
        expected.insert(199, shell(QStringLiteral("select id || '|' || name from t where name = 'new'")).join(QString()));
        QCOMPARE(heldRows(), expected);

        // A refresh from the middle stays on its row and shows the table.
        QVERIFY(m_set->setRecNo(5000));
        const QString current = m_set->fieldByName(QStringLiteral("id"))->asString();
        m_set->requery();
        QCOMPARE(m_set->fieldByName(QStringLiteral("id"))->asString(), current);
        QCOMPARE(heldRows(), shell(QStringLiteral("select id || '|' || name from t order by id")));
    }

    void longListsAreSortedByTheDatabase()
    {
        QVERIFY(m_set->setRecNo(700));
        const QString current = m_set->fieldByName(QStringLiteral("id"))->asString();
        m_set->setSort(QStringLiteral("amount DESC,id"));
        QCOMPARE(m_set->fieldByName(QStringLiteral("id"))->asString(), current);
        QStringList ids;
        DataField *id = m_set->fieldByName(QStringLiteral("id"));
        for (int row = 0; row < m_set->recordCount(); ++row)
            ids.append(m_set->value(row, id).toString());
        QCOMPARE(ids, shell(QStringLiteral("select id from t order by amount desc, id")));
        m_set->setSort(QString());
        QCOMPARE(m_set->value(0, id).toString(), QStringLiteral("1"));
    }

    void schemaChangesDoNotWaitForTheList()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create table other (x)"));
        ExecTmpQuery(CurAdo, QStringLiteral("drop table other"));
        {
            Transaction transaction(CurAdo);
            ExecTmpQuery(CurAdo, QStringLiteral("update t set name = 'late' where id = ?"), {kRows});
            transaction.commit();
        }
        QVERIFY(m_set->last());
        QCOMPARE(m_set->fieldByName(QStringLiteral("name"))->asString(), QStringLiteral("late"));
        QCOMPARE(heldRows(), shell(QStringLiteral("select id || '|' || name from t order by id")));
    }
};

QTEST_MAIN(TestDataSetLazy)
#include "tst_dataset_lazy.moc"
