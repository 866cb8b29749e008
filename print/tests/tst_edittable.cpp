#include "LoaderWindow.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/db/ShippedSchema.h"
#include "core/globals/PubDm.h"
#include "designer/definitions/TEditTableForm.h"
#include "gui/grid/DataGrid.h"
#include "gui/listedit/TListEditForm.h"
#include "mainwindow/TM1Form.h"

#include <QMdiArea>
#include <QMenu>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace {

struct FieldRow
{
    const char16_t *name;
    const char16_t *type;
    int len;
    const char16_t *smallType;
    const char16_t *bigType;
};

const FieldRow kThreeFields[] = {{u"金额", u"金额", 0, u"小写拆分", u"合并+拆分"},
                                 {u"用途", u"字符型", 30, u"", u""},
                                 {u"付款日期", u"日期", 0, u"", u""}};

// The program's own tables: every table of the shipped schema that is no bill table nor a bill
// table's 明细 table. Kept by hand; programTablesAreTheShippedOnes compares it with the database.
const char16_t *const kProgramTables[] = {
    u"Bs_Customer", u"Bs_ProdList",   u"Bs_SysSet",  u"Bs_User",     u"bs_ParaList", u"bs_complist",    u"bs_compset",
    u"dmtable2",    u"p_BaseCode",    u"p_Check",    u"p_DesSelect", u"p_NoteCntlList", u"p_NoteList", u"p_TableFields",
    u"p_pickList",  u"p_tables",      u"s_FieldType", u"s_MenuDef",  u"s_MenuIcon",  u"s_PrintType",    u"s_ui",
    u"s_uiTab",     u"syspar",        u"商品库存"};

QStringList sortedWithoutCase(QStringList names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

} // namespace

// The data-table editor: definitions typed into its two lists, saved together, built into tables.
class TestEditTable : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home; // the main window writes shortcuts: never into the real home
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QStringList stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql); }
    void click(TEditTableForm &form, const char *name) { QTest::mouseClick(form.findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton); }

    // A new table with the given fields, typed but not saved.
    void typeTable(TEditTableForm &form, const QString &table, const QList<FieldRow> &rows)
    {
        click(form, "NewButton");
        QVERIFY(form.master()->isEditing());
        form.master()->fieldByName(QStringLiteral("TableName"))->setValue(table);
        DataSet *fields = form.fieldList();
        for (const FieldRow &row : rows) {
            QVERIFY(fields->append());
            fields->fieldByName(QStringLiteral("FieldName"))->setValue(QString::fromUtf16(row.name));
            fields->fieldByName(QStringLiteral("FieldType"))->setValue(QString::fromUtf16(row.type));
            if (row.len)
                fields->fieldByName(QStringLiteral("LEN"))->setValue(row.len);
            fields->fieldByName(QStringLiteral("smalltype"))->setValue(QString::fromUtf16(row.smallType));
            fields->fieldByName(QStringLiteral("BigType"))->setValue(QString::fromUtf16(row.bigType));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        sCurUserId = QStringLiteral("admin");
    }
    void cleanup()
    {
        m_messages.reset();
        m_folder.reset();
    }

    void openedThroughTheLoaderAndRefusesBillsWhileEditing()
    {
        TM1Form window;
        ShowLoaderWindow(window);
        m_messages->clear();

        window.OpenMenuForm(20075, 0);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        // Other screens (the main page) may be open beside it.
        QMdiSubWindow *frame = nullptr;
        for (QMdiSubWindow *candidate : window.mdiArea()->subWindowList())
            if (QString::fromLatin1(candidate->widget()->metaObject()->className()) == QStringLiteral("TEditTableForm"))
                frame = candidate;
        QVERIFY(frame);
        QWidget *form = frame->widget();
        QCOMPARE(form->windowTitle(), QStringLiteral("数据表编辑"));
        QVERIFY(frame->isMaximized());
        auto *list = qobject_cast<TListEditForm *>(form);
        QVERIFY(list);
        QVERIFY(list->master()->locate(QStringLiteral("TableName"), QStringLiteral("快递单")));

        // Brought up again while browsing: nothing to say.
        window.OpenMenuForm(20075, 0);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));

        QVERIFY(list->master()->edit());
        window.OpenMenuForm(20075, 0);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("当前窗口正处于编辑状态,不能打开单据")});
        list->master()->cancel();
    }

    void savedDefinitionBuildsTheTable()
    {
        TEditTableForm form(nullptr);
        form.show();
        typeTable(form, QStringLiteral("测试单"), {std::begin(kThreeFields), std::end(kThreeFields)});
        QVERIFY(!form.command(TEditTableForm::CreateButton)->isEnabled());
        m_messages->clear();
        click(form, "SaveButton");
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QVERIFY(!form.master()->isEditing());
        QCOMPARE(stored(QStringLiteral("select f.seqno, f.FieldName, f.FieldType, f.LEN from p_tables t join p_TableFields f "
                                       "on f.RefNo = t.RefNo where t.TableName = '测试单' order by f.seqno")),
                 (QStringList{QStringLiteral("1|金额|金额|50"), QStringLiteral("2|用途|字符型|30"), QStringLiteral("3|付款日期|日期|50")}));
        QCOMPARE(stored(QStringLiteral("select reviseby, PostedBy, bAmtNumInput from p_tables where TableName = '测试单'")),
                 QStringList{QStringLiteral("admin|admin|0")});

        QVERIFY(form.command(TEditTableForm::CreateButton)->isEnabled());
        click(form, "CreateButton");
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("创建完成")});
        const QStringList columns = SqliteShellColumns(m_folder->databasePath(), QStringLiteral("测试单"));
        // 9 bookkeeping columns, 金额 with 12 small places, the whole capital and 12 capital places, 用途, 付款日期.
        QCOMPARE(columns.size(), 9 + 1 + 12 + 1 + 12 + 1 + 1);
        for (const char16_t *column : {u"金额 MONEY", u"金额_小写分 VARCHAR(1)", u"金额_小写十亿位 VARCHAR(1)", u"金额_金额大写 VARCHAR(50)",
                                       u"金额_大写十亿位 VARCHAR(1)", u"用途 VARCHAR(30)", u"付款日期 DATETIME"})
            QVERIFY2(columns.contains(QString::fromUtf16(column)), qPrintable(columns.join(QLatin1Char(','))));

        m_messages->clear();
        click(form, "CreateButton");
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("数据表测试单已经存在")});
    }

    void failedSaveKeepsEverythingPending()
    {
        const QStringList tablesBefore = stored(QStringLiteral("select * from p_tables order by autoid"));
        ExecTmpQuery(CurAdo, QStringLiteral("create trigger refuse_fields before insert on p_TableFields "
                                            "begin select raise(abort, 'refused'); end"));
        TEditTableForm form(nullptr);
        form.show();
        typeTable(form, QStringLiteral("测试单"), {std::begin(kThreeFields), std::end(kThreeFields)});
        m_messages->clear();
        click(form, "SaveButton");
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("保存时出现错误，请检查数据是否输入正确！")});
        QCOMPARE(stored(QStringLiteral("select * from p_tables order by autoid")), tablesBefore);
        QVERIFY(form.master()->isEditing());
        QCOMPARE(form.master()->fieldByName(QStringLiteral("TableName"))->asString(), QStringLiteral("测试单"));
        QCOMPARE(form.fieldList()->recordCount(), 3);
        QVERIFY(form.fieldList()->hasPendingUpdates());

        // Once the database accepts them, the same pending rows are written.
        ExecTmpQuery(CurAdo, QStringLiteral("drop trigger refuse_fields"));
        m_messages->clear();
        click(form, "SaveButton");
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QCOMPARE(stored(QStringLiteral("select count(*) from p_tables t join p_TableFields f on f.RefNo = t.RefNo "
                                       "where t.TableName = '测试单'")),
                 QStringList{QStringLiteral("3")});
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty table name") << QStringLiteral("  ") << QStringLiteral("用途") << QStringLiteral("字符型")
                                          << QStringLiteral("数据表不能为空，请输入后再保存！");
        QTest::newRow("quote in field name") << QStringLiteral("测试单") << QStringLiteral("用\"途") << QStringLiteral("字符型")
                                             << QStringLiteral("名称或字段类型\"用\"途\"不能用于数据表，请修改后再保存！");
        QTest::newRow("unknown field type") << QStringLiteral("测试单") << QStringLiteral("用途") << QStringLiteral("货币")
                                            << QStringLiteral("名称或字段类型\"货币\"不能用于数据表，请修改后再保存！");
    }
    void refusals()
    {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QString, type);
        QFETCH(QString, message);
        const QStringList tablesBefore = stored(QStringLiteral("select * from p_tables order by autoid"));
        const QStringList fieldsBefore = stored(QStringLiteral("select * from p_TableFields order by autoid"));
        TEditTableForm form(nullptr);
        form.show();
        const FieldRow row{reinterpret_cast<const char16_t *>(field.utf16()), reinterpret_cast<const char16_t *>(type.utf16()), 0, u"", u""};
        typeTable(form, table, {row});
        m_messages->clear();
        click(form, "SaveButton");
        QCOMPARE(m_messages->texts(), QStringList{message});
        QVERIFY(form.master()->isEditing());
        QCOMPARE(stored(QStringLiteral("select * from p_tables order by autoid")), tablesBefore);
        QCOMPARE(stored(QStringLiteral("select * from p_TableFields order by autoid")), fieldsBefore);
    }

    void programTablesAreTheShippedOnes()
    {
        QStringList listed;
        for (const char16_t *name : kProgramTables)
            listed.append(QString::fromUtf16(name));
        const QStringList shipped = stored(QStringLiteral(
            "select name from sqlite_master where type = 'table' and name not like 'sqlite%' "
            "and name not in (select TableName from p_tables) and name not in (select TableName || '明细' from p_tables)"));
        QCOMPARE(sortedWithoutCase(shipped), sortedWithoutCase(listed));
        QCOMPARE(sortedWithoutCase(ProgramTableNames()), sortedWithoutCase(listed));
    }

    // 保存 refuses a definition named like one of the program's own tables, in any letter case.
    void programTableNameRefused_data()
    {
        QTest::addColumn<QString>("table");
        for (const char16_t *name : kProgramTables) {
            const QString plain = QString::fromUtf16(name);
            QStringList forms{plain};
            for (const QString &other : {plain.toUpper(), plain.toLower(), QStringLiteral(" %1 ").arg(plain.toUpper())})
                if (!forms.contains(other))
                    forms.append(other);
            for (const QString &form : forms)
                QTest::newRow(qPrintable(QStringLiteral("[%1]").arg(form))) << form;
        }
        QTest::newRow("sqlite_sequence") << QStringLiteral("sqlite_sequence");
        QTest::newRow("SQLITE_MASTER") << QStringLiteral("SQLITE_MASTER");
    }
    void programTableNameRefused()
    {
        QFETCH(QString, table);
        const QStringList tablesBefore = stored(QStringLiteral("select * from p_tables order by autoid"));
        const QStringList fieldsBefore = stored(QStringLiteral("select * from p_TableFields order by autoid"));
        TEditTableForm form(nullptr);
        form.show();
        typeTable(form, table, {{u"备用", u"字符型", 20, u"", u""}});
        m_messages->clear();
        click(form, "SaveButton");
        QCOMPARE(m_messages->texts(),
                 QStringList{QStringLiteral("\"%1\"是本程序自己使用的数据表，不能作为单据的数据表，请修改后再保存！").arg(table.trimmed())});
        QVERIFY(form.master()->isEditing());
        QCOMPARE(stored(QStringLiteral("select * from p_tables order by autoid")), tablesBefore);
        QCOMPARE(stored(QStringLiteral("select * from p_TableFields order by autoid")), fieldsBefore);
    }

    // A definition naming a program table that is already in the database (an older version
    // saved it): 创建, 更新, 删除字段 and 删除 leave the table and its rows as they are; 删除 still
    // lets the definition go.
    void programTableIsNeverDroppedOrAltered_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("Bs_ProdList") << QStringLiteral("Bs_ProdList");
        QTest::newRow("bs_prodlist") << QStringLiteral("bs_prodlist");
        QTest::newRow("Bs_User") << QStringLiteral("Bs_User");
        QTest::newRow("商品库存") << QStringLiteral("商品库存");
    }
    void programTableIsNeverDroppedOrAltered()
    {
        QFETCH(QString, table);
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName) values ('P1', '螺丝')"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 商品库存 (产品编号, 数量) values ('P1', 5)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_tables (RefNo, TableName) values ('901', ?)"), {table});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_TableFields (RefNo, seqno, FieldName, FieldType, LEN) "
                                            "values ('901', 1, '新字段', '字符型', 20), ('901', 2, 'PartName', '字符型', 20)"));
        const QString schemaSql = QStringLiteral("select type, name, sql from sqlite_master order by name");
        const QString rowsSql = QStringLiteral("select (select count(*) from Bs_ProdList), (select count(*) from 商品库存), "
                                               "(select count(*) from Bs_User)");
        const QStringList schema = stored(schemaSql);
        const QStringList rows = stored(rowsSql);
        QCOMPARE(rows, QStringList{QStringLiteral("1|1|1")});

        TEditTableForm form(nullptr);
        form.show();
        QVERIFY(form.master()->locate(QStringLiteral("TableName"), table));
        QCOMPARE(form.fieldList()->recordCount(), 2);
        const QString refused = QStringLiteral("\"%1\"是本程序自己使用的数据表，不能作为单据的数据表").arg(table);
        m_messages->clear();
        click(form, "CreateButton");
        click(form, "UpdateButton");
        QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("创建错误：") + refused, QStringLiteral("更新错误：") + refused}));
        QCOMPARE(stored(schemaSql), schema);

        auto *fieldGrid = form.findChild<DataGrid *>(QStringLiteral("DBGridEh1"));
        QVERIFY(fieldGrid);
        form.fieldList()->last();
        m_messages->clear();
        QAction *deleteField = nullptr;
        for (QAction *action : fieldGrid->popupMenu()->actions())
            if (action->text() == QStringLiteral("删除字段"))
                deleteField = action;
        QVERIFY(deleteField);
        deleteField->trigger();
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("数据表%1是本程序自己使用的数据表，不能删除它的字段").arg(table)});
        QCOMPARE(stored(schemaSql), schema);
        QCOMPARE(stored(QStringLiteral("select count(*) from p_TableFields where RefNo = '901'")), QStringList{QStringLiteral("2")});

        m_messages->clear();
        click(form, "DeleteButton");
        QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("数据表%1是本程序自己使用的数据表，不能删除，只能删除它的定义").arg(table),
                                                   QStringLiteral("是否删除本编辑数据,删除后将需要重新编辑?"),
                                                   QStringLiteral("是否删除当前记录？")}));
        QCOMPARE(stored(schemaSql), schema);
        QCOMPARE(stored(rowsSql), rows);
        QCOMPARE(stored(QStringLiteral("select count(*) from p_tables where RefNo = '901'")), QStringList{QStringLiteral("0")});
        QCOMPARE(stored(QStringLiteral("select count(*) from p_TableFields where RefNo = '901'")), QStringList{QStringLiteral("0")});
    }

    void newFieldRowDefaultsAndCancel()
    {
        TEditTableForm form(nullptr);
        form.show();
        const QStringList tablesBefore = stored(QStringLiteral("select * from p_tables order by autoid"));
        click(form, "NewButton");
        QVERIFY(form.fieldList()->append());
        QCOMPARE(form.fieldList()->fieldByName(QStringLiteral("FieldType"))->asString(), QStringLiteral("字符型"));
        QCOMPARE(form.fieldList()->fieldByName(QStringLiteral("LEN"))->asInteger(), 50);
        QCOMPARE(form.fieldList()->fieldByName(QStringLiteral("RefNo"))->asString(),
                 form.master()->fieldByName(QStringLiteral("RefNo"))->asString());
        m_messages->clear();
        click(form, "CancelButton");
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("是否取消当前的修改?")});
        QVERIFY(!form.master()->isEditing());
        QVERIFY(!form.master()->hasPendingUpdates());
        QVERIFY(!form.fieldList()->hasPendingUpdates());
        QCOMPARE(stored(QStringLiteral("select * from p_tables order by autoid")), tablesBefore);
    }
};

QTEST_MAIN(TestEditTable)
#include "tst_edittable.moc"
