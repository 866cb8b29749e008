#include "LongTable.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/grid/FooterList.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridFooter.h"

#include <QtTest>

// A long list's count and footer totals come after its first screen: they must equal the
// database's, follow the filter and the rows, and go quietly with the list.
class TestDataSetFigures : public QObject
{
    Q_OBJECT

private:
    static constexpr int kRows = 50000;
    std::unique_ptr<TestProgramFolder> m_folder;

    QString shell(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql).join(QString()); }

    static void showFooter(DataGrid &grid, DataSet &set)
    {
        grid.setDataSet(&set);
        grid.setFooterItems({{QStringLiteral("amount"), FooterItem::Sum, {}},
                             {QStringLiteral("pieces"), FooterItem::Sum, {}},
                             {QStringLiteral("id"), FooterItem::Count, {}}});
    }
    static QString footerOf(const DataGrid &grid, const QString &field)
    {
        return grid.footer()->textOf(grid.columnOfField(field));
    }
    QStringList shellFigures(int above) const
    {
        return {shell(QStringLiteral("select printf('%.2f', sum(amount)) from t where id > %1").arg(above)),
                shell(QStringLiteral("select sum(pieces) from t where id > %1").arg(above)),
                shell(QStringLiteral("select count(*) from t where id > %1").arg(above))};
    }
    static QStringList footerFigures(const DataGrid &grid)
    {
        return {footerOf(grid, QStringLiteral("amount")), footerOf(grid, QStringLiteral("pieces")), footerOf(grid, QStringLiteral("id"))};
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        CreateLongTable(kRows);
    }
    void cleanup() { m_folder.reset(); }

    void footerFilledInLaterEqualsTheDatabase()
    {
        DataSet set;
        set.setSql(QStringLiteral("select * from t where id > ? order by id"), {0});
        set.open();
        DataGrid grid;
        showFooter(grid, set);
        // The first screen waits for no count and no sum.
        QVERIFY(!set.knownRecordCount());
        QCOMPARE(footerOf(grid, QStringLiteral("amount")), QString());
        QTRY_VERIFY(!footerOf(grid, QStringLiteral("amount")).isEmpty());
        QCOMPARE(footerFigures(grid), shellFigures(0));
        QCOMPARE(grid.model()->rowCount(), kRows);
        QVERIFY(set.fetchedCount() < kRows);

        // The row being edited counts as typed, at once.
        QVERIFY(set.setRecNo(3));
        QVERIFY(set.edit());
        set.fieldByName(QStringLiteral("amount"))->setValue(QStringLiteral("1000000"));
        const QString typed = shell(QStringLiteral("select printf('%.2f', sum(case id when 3 then 1000000 else amount end)) from t"));
        QCOMPARE(footerOf(grid, QStringLiteral("amount")), typed);
        // Once written, the figures are worked out again from the table.
        QVERIFY(set.post());
        QTRY_VERIFY(!footerOf(grid, QStringLiteral("amount")).isEmpty());
        QCOMPARE(footerOf(grid, QStringLiteral("amount")), typed);
        QVERIFY(set.setRecNo(10));
        set.deleteRecord();
        QTRY_COMPARE(footerFigures(grid), shellFigures(0));
        QCOMPARE(footerOf(grid, QStringLiteral("id")), QString::number(kRows - 1));
        QCOMPARE(set.recordCount(), kRows - 1);
    }

    void aNewFilterWhileCountingGivesOnlyItsFigures()
    {
        DataSet set;
        set.setSql(QStringLiteral("select * from t where id > ? order by id"), {0});
        set.open();
        DataGrid grid;
        showFooter(grid, set);
        QCoreApplication::processEvents();
        QVERIFY(!set.knownRecordCount());  // the walk over the first filter is under way

        QList<QStringList> shown;
        connect(&set, &DataSet::figuresKnown, this, [&] { shown.append(footerFigures(grid)); });
        set.close();
        set.setSql(QStringLiteral("select * from t where id > ? order by id"), {kRows / 2});
        set.open();
        QTRY_COMPARE(set.knownRecordCount().value_or(-1), kRows - kRows / 2);
        QCoreApplication::processEvents();
        QVERIFY(!shown.isEmpty());
        for (const QStringList &figures : std::as_const(shown))
            QCOMPARE(figures, shellFigures(kRows / 2));
        QCOMPARE(footerFigures(grid), shellFigures(kRows / 2));
    }

    void closingWhileCountingLetsGo()
    {
        auto *screen = new QWidget;
        auto *set = new DataSet(screen);
        set->setSql(QStringLiteral("select * from t order by id"));
        set->open();
        auto *grid = new DataGrid(screen);
        showFooter(*grid, *set);
        QCoreApplication::processEvents();
        QVERIFY(!set->knownRecordCount());
        const QPointer<DataSet> alive(set);
        screen->deleteLater();
        QTRY_VERIFY(!alive);
        // No read is left open on the connection: the table can go at once.
        ExecTmpQuery(CurAdo, QStringLiteral("drop table t"));
        QCOMPARE(shell(QStringLiteral("select count(*) from sqlite_master where name = 't'")), QStringLiteral("0"));
    }

    // A schema change during the walk: the walk lets go and starts over.
    void aSchemaChangeDuringTheWalkStartsItAgain()
    {
        DataSet set;
        set.setSql(QStringLiteral("select * from t order by id"));
        set.open();
        QVERIFY(!set.knownColumnTotal(set.fieldByName(QStringLiteral("pieces"))));
        QCoreApplication::processEvents();
        ExecTmpQuery(CurAdo, QStringLiteral("create table other (x int)"));
        RunStatement(CurAdo, QStringLiteral("drop table other"));
        QTRY_VERIFY(set.knownColumnTotal(set.fieldByName(QStringLiteral("pieces"))).has_value());
        QCOMPARE(QString::number(set.knownColumnTotal(set.fieldByName(QStringLiteral("pieces")))->integer),
                 shell(QStringLiteral("select sum(pieces) from t")));
        QCOMPARE(set.knownRecordCount().value_or(-1), kRows);
    }
};

QTEST_MAIN(TestDataSetFigures)
#include "tst_datasetfigures.moc"
