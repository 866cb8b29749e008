#include "MessageScript.h"
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
