#include "TestProgramFolder.h"
#include "SqliteShell.h"

#include "core/db/AdoFunc.h"
#include "core/definitions/FormatChoices.h"
#include "core/definitions/PrintTypeRules.h"
#include "core/definitions/UiTabNumbers.h"
#include "core/globals/PubDm.h"

#include <QtTest>

// Bill kinds, main-page tab numbers and the format picker's lists, on the shipped tables.
class TestDefinitions : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;

    QString shell(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    void addTemplate(const QString &name, const QString &kind)
    {
        static int refNo = 50000;
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteType) values (?, ?, ?)"),
                     {QString::number(++refNo), name, kind});
    }

    QVariant idOf(const QString &printName)
    {
        return SelTableVariantValue(CurAdo, QStringLiteral("select id from s_PrintType where PrintName = ?"), {printName});
    }

    // Replaces the table's rows by one row per tab number.
    void fillTabs(const QString &table, const QList<int> &tabNos)
    {
        ExecTmpQuery(CurAdo, QStringLiteral("delete from %1").arg(table));
        for (int tabNo : tabNos)
            ExecTmpQuery(CurAdo, QStringLiteral("insert into %1 (TabNo) values (?)").arg(table), {tabNo});
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
    }
    void cleanup() { m_folder.reset(); }

    void shippedKinds()
    {
        QCOMPARE(shell(QStringLiteral("select PrintName, MainTableName from s_PrintType order by id")),
                 QStringLiteral("支票|银行转帐单\n进账单|银行转帐单\n电汇单|银行转帐单\n快递单|快递单\n送货单|出货单\n"
                                "现金缴款单|现金缴款单\n托收凭证|银行转帐单\n进仓单|进仓单"));
        // Every kind's data table is a defined bill table.
        QCOMPARE(shell(QStringLiteral("select count(*) from s_PrintType where MainTableName not in (select TableName from p_tables)"
                                      " or coalesce(DtlTableName, '') not in (select TableName from p_tables union select '')")),
                 QStringLiteral("0"));
    }

    void newPageNo_data()
    {
        QTest::addColumn<QString>("prepare");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("shipped, highest 8") << QString() << qint64(9);
        QTest::newRow("empty list") << QStringLiteral("delete from s_PrintType") << qint64(1);
        QTest::newRow("no numbers set") << QStringLiteral("update s_PrintType set PageNo = null") << qint64(1);
        QTest::newRow("gap below the highest") << QStringLiteral("update s_PrintType set PageNo = 20 where id = 2") << qint64(21);
    }
    void newPageNo()
    {
        QFETCH(QString, prepare);
        if (!prepare.isEmpty())
            ExecTmpQuery(CurAdo, prepare);
        QFETCH(qint64, expected);
        QCOMPARE(NewPrintTypePageNo(CurAdo), expected);
    }

    void storeFault_data()
    {
        QTest::addColumn<QString>("storedName");  // empty: a new row
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("fault");
        QTest::newRow("new, empty") << QString() << QString() << QStringLiteral("单据类别名称不能为空");
        QTest::newRow("new, blanks") << QString() << QStringLiteral("  ") << QStringLiteral("单据类别名称不能为空");
        QTest::newRow("new, taken") << QString() << QStringLiteral("进账单") << QStringLiteral("单据类别名称进账单已经存在");
        QTest::newRow("new, taken in other case") << QString() << QStringLiteral("ORDER") << QStringLiteral("单据类别名称ORDER已经存在");
        QTest::newRow("new, free") << QString() << QStringLiteral("收据") << QString();
        QTest::newRow("kept name") << QStringLiteral("支票") << QStringLiteral("支票") << QString();
        QTest::newRow("renamed onto another") << QStringLiteral("支票") << QStringLiteral("电汇单")
                                              << QStringLiteral("单据类别名称电汇单已经存在");
        QTest::newRow("renamed while named by templates") << QStringLiteral("支票") << QStringLiteral("转帐支票")
                                                          << QStringLiteral("单据类别支票已有单据格式使用，不能修改名称");
        QTest::newRow("emptied while named by templates") << QStringLiteral("支票") << QString()
                                                          << QStringLiteral("单据类别名称不能为空");
        QTest::newRow("letter case only, named by templates") << QStringLiteral("Order") << QStringLiteral("ORDER") << QString();
        QTest::newRow("renamed, named by no template") << QStringLiteral("进仓单") << QStringLiteral("入库单") << QString();
    }
    void storeFault()
    {
        QFETCH(QString, storedName);
        QFETCH(QString, newName);
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s_PrintType (PrintName, MainTableName) values ('Order', '出货单')"));
        addTemplate(QStringLiteral("工行支票"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("订单一"), QStringLiteral("order"));
        const QVariant id = storedName.isEmpty() ? QVariant() : idOf(storedName);
        QVERIFY(storedName.isEmpty() || !id.isNull());
        QFETCH(QString, fault);
        QCOMPARE(PrintTypeStoreFault(CurAdo, id, newName), fault);
    }

    void deleteFault()
    {
        addTemplate(QStringLiteral("工行支票"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("快递一"), QStringLiteral("快递单"));
        QCOMPARE(PrintTypeDeleteFault(CurAdo, QStringLiteral("支票")), QStringLiteral("单据类别支票已有单据格式使用，不能删除"));
        QCOMPARE(PrintTypeDeleteFault(CurAdo, QStringLiteral("进账单")), QString());
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where NoteType = '支票'"));
        QCOMPARE(PrintTypeDeleteFault(CurAdo, QStringLiteral("支票")), QString());
    }

    void newTabNumbers_data()
    {
        QTest::addColumn<QList<int>>("iconTabs");
        QTest::addColumn<QList<int>>("tabs");
        QTest::addColumn<qint64>("tabNo");
        QTest::newRow("no icons, shipped tabs") << QList<int>() << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << qint64(9);
        QTest::newRow("icons beyond every tab") << QList<int>{0, 3, 12} << QList<int>{0, 1, 2, 3} << qint64(13);
        QTest::newRow("highest tabs hold no icons") << QList<int>{0, 3} << QList<int>{0, 1, 2, 3, 4, 5} << qint64(6);
        QTest::newRow("nothing at all") << QList<int>() << QList<int>() << qint64(1);
        QTest::newRow("favourites only") << QList<int>{0} << QList<int>{0} << qint64(1);
    }
    void newTabNumbers()
    {
        QFETCH(QList<int>, iconTabs);
        QFETCH(QList<int>, tabs);
        fillTabs(QStringLiteral("s_ui"), iconTabs);
        fillTabs(QStringLiteral("s_uiTab"), tabs);
        QFETCH(qint64, tabNo);
        QCOMPARE(NewUiTabNo(CurAdo), tabNo);
    }

    void newTabComesLast()
    {
        QCOMPARE(NewUiTabSeqNo(CurAdo), qint64(9));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from s_uiTab"));
        QCOMPARE(NewUiTabSeqNo(CurAdo), qint64(1));
    }

    void formatChoices()
    {
        addTemplate(QStringLiteral("农行支票"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("B支票"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("A支票"), QStringLiteral("支票"));
        addTemplate(QStringLiteral("顺丰"), QStringLiteral("快递单"));

        const FormatChoices cheque = FormatChoicesFor(CurAdo, QStringLiteral("支票"));
        QCOMPARE(cheque.kinds.join(QLatin1Char('\n')), shell(QStringLiteral("select PrintName from s_PrintType order by id")));
        QCOMPARE(cheque.kindIndex, 0);
        QCOMPARE(cheque.formats.join(QLatin1Char('\n')),
                 shell(QStringLiteral("select NoteName from p_NoteList where NoteType = '支票' order by NoteName")));
        QCOMPARE(cheque.formats.size(), 3);

        const FormatChoices noFormats = FormatChoicesFor(CurAdo, QStringLiteral("进仓单"));
        QCOMPARE(noFormats.kindIndex, 7);
        QVERIFY(noFormats.formats.isEmpty());

        const FormatChoices unknown = FormatChoicesFor(CurAdo, QStringLiteral("没有的类别"));
        QCOMPARE(unknown.kindIndex, -1);
        QVERIFY(unknown.formats.isEmpty());
    }
};

QTEST_MAIN(TestDefinitions)
#include "tst_definitions.moc"
