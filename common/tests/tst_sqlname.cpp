#include "BuiltFolders.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"

#include "core/db/AdoFunc.h"
#include "core/db/SqlName.h"
#include "core/globals/PubDm.h"

#include <QtTest>

// Quoted names in real statements: a table and a column whose names hold double quotes are
// created, written and read as the names they are, by the program and by the sqlite3 shell.
class TestSqlName : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void quotedNamesWork_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("plain") << "金额" << "\"金额\"";
        QTest::newRow("inner quote") << "a\"b" << "\"a\"\"b\"";
        QTest::newRow("leading and trailing quotes") << "\"x\"" << "\"\"\"x\"\"\"";
        QTest::newRow("two quotes") << "a\"\"b" << "\"a\"\"\"\"b\"";
        QTest::newRow("statement in a name") << "t\" (x); drop table p_NoteList; --" << "\"t\"\" (x); drop table p_NoteList; --\"";
    }
    void quotedNamesWork()
    {
        QFETCH(QString, name);
        QFETCH(QString, quoted);
        QCOMPARE(SqlName(name), quoted);

        TestProgramFolder folder;
        folder.openDatabase();
        const QString column = name + QStringLiteral("列");
        ExecTmpQuery(CurAdo, QStringLiteral("create table %1 (%2 text)").arg(SqlName(name), SqlName(column)));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into %1 (%2) values (?)").arg(SqlName(name), SqlName(column)),
                     {QStringLiteral("值")});
        QCOMPARE(SelTableStringValue(CurAdo, QStringLiteral("select %1 from %2").arg(SqlName(column), SqlName(name))),
                 QStringLiteral("值"));
        QCOMPARE(SqliteShellRows(folder.databasePath(), QStringLiteral("select name from sqlite_master where type = 'table' "
                                                                       "and name not like 'sqlite%' and name = '%1'")
                                                            .arg(QString(name).replace('\'', QStringLiteral("''")))),
                 QStringList{name});
        QCOMPARE(SqliteShellColumns(folder.databasePath(), name), QStringList{column + QStringLiteral(" TEXT")});
        // The shipped rows around it are untouched.
        QCOMPARE(SqliteShellRows(folder.databasePath(), QStringLiteral("select count(*) from p_NoteList")),
                 SqliteShellRows(BuiltProgramFolder() + QStringLiteral("/data/data.db"),
                                 QStringLiteral("select count(*) from p_NoteList")));
    }
};

QTEST_GUILESS_MAIN(TestSqlName)
#include "tst_sqlname.moc"
