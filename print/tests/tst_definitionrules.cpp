#include "MessageScript.h"
#include "TestProgramFolder.h"
#include "SqliteShell.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "designer/definitions/PrintTypeListRules.h"
#include "designer/definitions/UiTabListRules.h"

#include <QtTest>

// The defaults and checks the kind and tab editors put on their data sets, without widgets.
class TestDefinitionRules : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    std::unique_ptr<DataSet> openKinds()
    {
        auto kinds = std::make_unique<DataSet>();
        kinds->setSql(QStringLiteral("select * from s_PrintType order by id "));
        SetPrintTypeDefaults(*kinds);
        kinds->setBeforePost([](DataSet &set) { return PrintTypeRowAllowed(set); });
        kinds->open();
        return kinds;
    }

    void addTemplate(const QString &name, const QString &kind)
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteType) values (?, ?, ?)"),
                     {QString::number(GetBillSysNo(CurAdo)), name, kind});
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        m_messages = std::make_unique<MessageScript>();
        addTemplate(QStringLiteral("工行支票"), QStringLiteral("支票"));
    }
    void cleanup()
    {
        m_messages.reset();
        m_folder.reset();
    }

    void newKindDefaults()
    {
        auto kinds = openKinds();
        QVERIFY(kinds->append());
        QCOMPARE(kinds->fieldByName(QStringLiteral("PageNo"))->asInteger(), 9);
        QCOMPARE(kinds->fieldByName(QStringLiteral("SubTableCount"))->asInteger(), 0);
        QVERIFY(!kinds->isModified());
        kinds->fieldByName(QStringLiteral("PrintName"))->setValue(QStringLiteral("收据"));
        kinds->fieldByName(QStringLiteral("MainTableName"))->setValue(QStringLiteral("收据"));
        QVERIFY(kinds->post());
        QVERIFY(m_messages->shown().isEmpty());
        QCOMPARE(stored(QStringLiteral("select PrintName, PageNo, MainTableName, SubTableCount from s_PrintType "
                                       "order by id desc limit 1")),
                 QStringLiteral("收据|9|收据|0"));

        ExecTmpQuery(CurAdo, QStringLiteral("delete from s_PrintType"));
        kinds->requery();
        QVERIFY(kinds->append());
        QCOMPARE(kinds->fieldByName(QStringLiteral("PageNo"))->asInteger(), 1);
    }

    void refusedRows_data()
    {
        QTest::addColumn<QString>("row");  // empty: a new row, else the kind edited
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("new without name") << QString() << QString() << QStringLiteral("单据类别名称不能为空");
        QTest::newRow("new with a taken name") << QString() << QStringLiteral("快递单") << QStringLiteral("单据类别名称快递单已经存在");
        QTest::newRow("renamed onto another") << QStringLiteral("进账单") << QStringLiteral("电汇单")
                                              << QStringLiteral("单据类别名称电汇单已经存在");
        QTest::newRow("renamed while in use") << QStringLiteral("支票") << QStringLiteral("转帐支票")
                                              << QStringLiteral("单据类别支票已有单据格式使用，不能修改名称");
    }
    void refusedRows()
    {
        QFETCH(QString, row);
        QFETCH(QString, name);
        QFETCH(QString, message);
        const QString before = stored(QStringLiteral("select * from s_PrintType order by id"));
        auto kinds = openKinds();
        if (row.isEmpty()) {
            QVERIFY(kinds->append());
        } else {
            QVERIFY(kinds->locate(QStringLiteral("PrintName"), row));
            QVERIFY(kinds->edit());
        }
        kinds->fieldByName(QStringLiteral("PrintName"))->setValue(name);
        QVERIFY(!kinds->post());
        QCOMPARE(m_messages->texts(), QStringList{message});
        QVERIFY(kinds->isEditing());
        QCOMPARE(stored(QStringLiteral("select * from s_PrintType order by id")), before);
    }

    void renameOfAnUnusedKind()
    {
        auto kinds = openKinds();
        QVERIFY(kinds->locate(QStringLiteral("PrintName"), QStringLiteral("进仓单")));
        QVERIFY(kinds->edit());
        kinds->fieldByName(QStringLiteral("PrintName"))->setValue(QStringLiteral("入库单"));
        QVERIFY(kinds->post());
        QVERIFY(m_messages->shown().isEmpty());
        QCOMPARE(stored(QStringLiteral("select count(*) from s_PrintType where PrintName in ('进仓单', '入库单')")),
                 QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("select PrintName from s_PrintType where PrintName = '入库单'")), QStringLiteral("入库单"));
    }

    void deleteOnlyWhenNoTemplateNamesTheKind()
    {
        auto kinds = openKinds();
        QVERIFY(kinds->locate(QStringLiteral("PrintName"), QStringLiteral("支票")));
        QVERIFY(!PrintTypeDeleteAllowed(*kinds));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("单据类别支票已有单据格式使用，不能删除")});
        m_messages->clear();
        QVERIFY(kinds->locate(QStringLiteral("PrintName"), QStringLiteral("进账单")));
        QVERIFY(PrintTypeDeleteAllowed(*kinds));
        QVERIFY(m_messages->shown().isEmpty());
    }

    void newTab()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values ('admin', 12, 10001, '搜索')"));
        DataSet tabs;
        tabs.setSql(QStringLiteral("select TabNo, Caption, Visible, SeqNo from s_uiTab order by TabNo "));
        SetUiTabRules(tabs);
        tabs.open();
        QVERIFY(tabs.append());
        tabs.fieldByName(QStringLiteral("Caption"))->setValue(QStringLiteral("收据"));
        QVERIFY(tabs.post());
        QCOMPARE(stored(QStringLiteral("select TabNo, Caption, Visible, SeqNo from s_uiTab where Caption = '收据'")),
                 QStringLiteral("13|收据|1|9"));
    }
};

QTEST_MAIN(TestDefinitionRules)
#include "tst_definitionrules.moc"
