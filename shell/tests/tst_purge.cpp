#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/db/AdoFunc.h"
#include "core/db/TableCatalog.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "purge/PurgeData.h"

#include <QtTest>

class TestPurge : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    static qint64 rows(const QString &table)
    {
        return SelTableIntValue(CurAdo, QStringLiteral("select count(*) from \"%1\"").arg(table));
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        const QStringList setup = {
            QStringLiteral("delete from p_tables"),
            QStringLiteral("insert into 出货单 (RefNo) values ('1')"),
            QStringLiteral("insert into 出货单明细 (RefNo) values ('1')"),
            QStringLiteral("insert into 收据 (RefNo) values ('2')"),
            QStringLiteral("insert into p_tables (RefNo, TableName) values ('1', '出货单')"),
            QStringLiteral("insert into p_tables (RefNo, TableName) values ('2', '从未创建')"),
            QStringLiteral("insert into p_tables (RefNo, TableName) values ('3', '收据')"),
            QStringLiteral("insert into Bs_Customer (CustName) values ('客户')"),
        };
        for (const QString &sql : setup)
            ExecTmpQuery(CurAdo, sql);
    }
    void cleanup() { m_folder.reset(); }

    void historyPurgeSkipsMissingTables()
    {
        MessageScript messages;
        PurgeDataWithConfirmation(CurAdo, true);
        QCOMPARE(messages.texts(), (QStringList{QStringLiteral("删除数据之前最好先备份，是否确认删除？"), QStringLiteral("删除数据完成")}));
        QCOMPARE(messages.shown().first().title, QStringLiteral("确认"));
        QCOMPARE(messages.shown().last().title, QStringLiteral("提示"));
        QCOMPARE(rows(QStringLiteral("出货单")), 0);
        QCOMPARE(rows(QStringLiteral("出货单明细")), 0);
        QCOMPARE(rows(QStringLiteral("收据")), 0);
        QCOMPARE(rows(QStringLiteral("p_tables")), 3);
        QCOMPARE(rows(QStringLiteral("Bs_Customer")), 1);
    }

    // Definitions naming the program's own tables (any letter case), as 清除历史数据 finds them in
    // a database an older version wrote: the bills go, every program table keeps its rows.
    void programTablesKeepTheirRows()
    {
        const QString db = m_folder->databasePath();
        // The program tables, read from the shipped database.
        const QStringList programTables = SqliteShellRows(
            ShippedDatabasePath(), QStringLiteral("select name from sqlite_master where type = 'table' and name not like 'sqlite%' "
                                                  "and name not in (select TableName from p_tables) "
                                                  "and name not in (select TableName || '明细' from p_tables) order by name"));
        QVERIFY(programTables.contains(QStringLiteral("Bs_User")));
        QVERIFY(programTables.size() > 20);
        // Every program table holds a row, so an emptied one shows.
        for (const QString &table : programTables) {
            if (rows(table) > 0)
                continue;
            if (table == QLatin1String("Bs_ProdList"))
                ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo) values ('P1')"));
            else if (table == QLatin1String("p_Check"))
                ExecTmpQuery(CurAdo, QStringLiteral("insert into p_Check (NoteNo) values ('00000001')"));
            else
                ExecTmpQuery(CurAdo, QStringLiteral("insert into \"%1\" default values").arg(table));
        }
        int refNo = 900;
        for (const QString &table : programTables) {
            for (const QString &name : {table, table.toUpper(), table.toLower()})
                ExecTmpQuery(CurAdo, QStringLiteral("insert into p_tables (RefNo, TableName) values (?, ?)"), {QString::number(++refNo), name});
        }
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_tables (RefNo, TableName) values ('899', 'sqlite_sequence')"));
        const auto counts = [&] {
            QStringList figures;
            for (const QString &table : programTables)
                figures.append(table + QLatin1Char('=') + SqliteShellRows(db, QStringLiteral("select count(*) from \"%1\"").arg(table)).join(QString()));
            figures.append(SqliteShellRows(db, QStringLiteral("select name || '=' || seq from sqlite_sequence order by name")));
            return figures;
        };
        const QStringList before = counts();
        for (const QString &figure : before)
            QVERIFY2(!figure.endsWith(QLatin1String("=0")), qPrintable(figure));

        MessageScript messages;
        PurgeDataWithConfirmation(CurAdo, true);
        QCOMPARE(messages.texts(), (QStringList{QStringLiteral("删除数据之前最好先备份，是否确认删除？"), QStringLiteral("删除数据完成")}));
        // p_tables itself, which holds the definitions, keeps every row too.
        QCOMPARE(counts(), before);
        QCOMPARE(SqliteShellRows(db, QStringLiteral("select count(*) from 出货单")), QStringList{QStringLiteral("0")});
        QCOMPARE(SqliteShellRows(db, QStringLiteral("select count(*) from 出货单明细")), QStringList{QStringLiteral("0")});
        QCOMPARE(SqliteShellRows(db, QStringLiteral("select count(*) from 收据")), QStringList{QStringLiteral("0")});
    }

    void cancelPurgesNothing()
    {
        MessageScript messages;
        messages.answer(QMessageBox::Cancel);
        PurgeDataWithConfirmation(CurAdo, true);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(rows(QStringLiteral("出货单")), 1);
    }

    void baseDataPurge()
    {
        MessageScript messages;
        PurgeDataWithConfirmation(CurAdo, false);
        QCOMPARE(rows(QStringLiteral("Bs_Customer")), 0);
        QCOMPARE(rows(QStringLiteral("出货单")), 1);
    }

    void failureRollsEverythingBack()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create trigger keep before delete on 收据 begin select raise(abort, '不能删除'); end"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, PurgeData(CurAdo, true));
        QCOMPARE(rows(QStringLiteral("出货单")), 1);
        QCOMPARE(rows(QStringLiteral("出货单明细")), 1);
        QCOMPARE(rows(QStringLiteral("收据")), 1);
    }
};

QTEST_MAIN(TestPurge)
#include "tst_purge.moc"
