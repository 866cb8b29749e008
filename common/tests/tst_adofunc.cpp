#include "TestProgramFolder.h"

#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QtTest>

class TestAdoFunc : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("create table t (id integer primary key autoincrement, name text, n integer)"));
    }
    void cleanup() { m_folder.reset(); }

    void emptyResultsReadAsEmptyValues()
    {
        QCOMPARE(SelTableIntValue(CurAdo, QStringLiteral("select max(n) from t")), 0);
        QCOMPARE(SelTableStringValue(CurAdo, QStringLiteral("select name from t")), QString());
        ExecTmpQuery(CurAdo, QStringLiteral("insert into t (name) values (null)"));
        QCOMPARE(SelTableStringValue(CurAdo, QStringLiteral("select name from t")), QString());
        QVERIFY(SelTableVariantValue(CurAdo, QStringLiteral("select name from t")).isNull());
        QCOMPARE(SelTableBooleanValue(CurAdo, QStringLiteral("select 1 from t where 1=2")), false);
        QVERIFY(!SelTableDateValue(CurAdo, QStringLiteral("select name from t")).isValid());
    }

    void apostropheRoundTrips()
    {
        const QString name = QStringLiteral("O'Brien's \"x\" 公司");
        ExecTmpQuery(CurAdo, QStringLiteral("insert into t (name, n) values (?, 1)"), {name});
        QCOMPARE(SelTableStringValue(CurAdo, QStringLiteral("select name from t where name = ?"), {name}), name);
        QVERIFY(TableExistStringValue(CurAdo, QStringLiteral("t"), QStringLiteral("name"), name));
        QVERIFY(TableExistValues(CurAdo, QStringLiteral("t"), {QStringLiteral("name"), QStringLiteral("n")}, {name, 1}));
        QStringList list{QStringLiteral("old")};
        SqlAddPickList(CurAdo, QStringLiteral("select name from t"), list);
        QCOMPARE(list, QStringList{name});
        SqlAddPickList(CurAdo, QStringLiteral("select name from t where 1=2"), list);
        QVERIFY(list.isEmpty());
    }

    void rejectedStatementCarriesDriverText()
    {
        try {
            ExecTmpQuery(CurAdo, QStringLiteral("insert into no_such_table values (1)"));
            QFAIL("no error raised");
        } catch (const DatabaseError &e) {
            QVERIFY2(e.message().contains(QLatin1String("no_such_table")), qPrintable(e.message()));
        }
    }

    void counterIsConsecutiveAndStored()
    {
        const qint64 first = GetBillSysNo(CurAdo);
        const qint64 second = GetBillSysNo(CurAdo);
        QCOMPARE(second, first + 1);
        QCOMPARE(SelTableIntValue(CurAdo, QStringLiteral("select SysNoteId from Bs_SysSet")), second);
    }

    void counterWithoutRowRaises()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("delete from Bs_SysSet"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, GetBillSysNo(CurAdo));
    }

private:
    std::unique_ptr<TestProgramFolder> m_folder;
};

QTEST_MAIN(TestAdoFunc)
#include "tst_adofunc.moc"
