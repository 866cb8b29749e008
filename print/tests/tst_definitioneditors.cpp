#include "LoaderWindow.h"
#include "MessageScript.h"
#include "TestProgramFolder.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSetTableModel.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/printfun/ParaSwitch.h"
#include "designer/definitions/TPrintTypeEditForm.h"
#include "designer/definitions/TSysSetForm.h"
#include "designer/definitions/TUiEditForm.h"
#include "gui/dbfun/PickListDelegate.h"
#include "gui/grid/DataGrid.h"
#include "mainwindow/TM1Form.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QHeaderView>
#include <QtTest>

namespace {

QStringList columnTitles(const DataGrid *grid)
{
    QStringList titles;
    for (int column = 0; column < grid->model()->columnCount(); ++column)
        titles.append(grid->model()->headerData(column, Qt::Horizontal).toString());
    return titles;
}

// Types into the current row's cell as the grid's editor hands it over.
void typeInto(TListEditForm &form, const QString &field, const QVariant &value)
{
    DataGrid *grid = form.grid();
    const QModelIndex cell = grid->model()->index(form.master()->recNo() - 1, grid->columnOfField(field));
    QVERIFY(grid->model()->setData(cell, value));
}

void click(TListEditForm &form, TListEditForm::Button which)
{
    QPushButton *button = form.button(which);
    QVERIFY(button->isVisibleTo(&form));
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

// The kind, system-setting and main-page tab editors, driven through their buttons and grid.
class TestDefinitionEditors : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home; // the main window writes shortcuts: never into the real home
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    template <class Form>
    std::unique_ptr<Form> openForm()
    {
        auto form = std::make_unique<Form>(nullptr);
        form->show();
        return form;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        m_messages = std::make_unique<MessageScript>();
        sCurUserId = QStringLiteral("admin");
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteType) values ('10001', '工行支票', '支票')"));
    }
    void cleanup()
    {
        m_messages.reset();
        m_folder.reset();
    }

    void kindEditorAddsARow()
    {
        auto form = openForm<TPrintTypeEditForm>();
        QCOMPARE(form->titleLabel()->text(), QStringLiteral("打印类别设置"));
        QCOMPARE(columnTitles(form->grid()), (QStringList{QStringLiteral("单据类别名称"), QStringLiteral("界面序号"),
                                                          QStringLiteral("主表名称"), QStringLiteral("明细表名称"),
                                                          QStringLiteral("子表个数")}));
        QCOMPARE(form->master()->fieldByName(QStringLiteral("PrintName"))->asString(), QStringLiteral("进仓单"));
        auto *tables = qobject_cast<PickListDelegate *>(
            form->grid()->itemDelegateForColumn(form->grid()->columnOfField(QStringLiteral("MainTableName"))));
        QVERIFY(tables);
        QCOMPARE(tables->items().join(QLatin1Char('\n')), stored(QStringLiteral("select TableName from p_tables")));

        click(*form, TListEditForm::NewButton);
        QCOMPARE(form->master()->state(), DataSet::State::Insert);
        QCOMPARE(form->master()->fieldByName(QStringLiteral("PageNo"))->asInteger(), 9);
        QCOMPARE(form->master()->fieldByName(QStringLiteral("SubTableCount"))->asInteger(), 0);

        // Without a name the row is not written; the screen does not close while it is open.
        click(*form, TListEditForm::SaveButton);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("单据类别名称不能为空")});
        QVERIFY(!form->close());
        QCOMPARE(m_messages->lastText(), QStringLiteral("编辑状态下不能直接关闭窗口，请先取消操作或保存操作后再关闭"));
        QVERIFY(form->isVisible());

        typeInto(*form, QStringLiteral("PrintName"), QStringLiteral("收据"));
        typeInto(*form, QStringLiteral("MainTableName"), QStringLiteral("收据"));
        m_messages->clear();
        click(*form, TListEditForm::SaveButton);
        QVERIFY(m_messages->shown().isEmpty());
        QCOMPARE(form->master()->state(), DataSet::State::Browse);
        QCOMPARE(stored(QStringLiteral("select PageNo, MainTableName, SubTableCount from s_PrintType where PrintName = '收据'")),
                 QStringLiteral("9|收据|0"));
        QVERIFY(form->close());
    }

    void kindEditorDeletes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("left");
        QTest::newRow("named by a template") << QStringLiteral("支票")
                                             << QStringList{QStringLiteral("单据类别支票已有单据格式使用，不能删除")}
                                             << QStringLiteral("1");
        QTest::newRow("named by none, no question") << QStringLiteral("进账单") << QStringList() << QStringLiteral("0");
    }
    void kindEditorDeletes()
    {
        QFETCH(QString, kind);
        auto form = openForm<TPrintTypeEditForm>();
        QVERIFY(form->master()->locate(QStringLiteral("PrintName"), kind));
        click(*form, TListEditForm::DeleteButton);
        QTEST(m_messages->texts(), "messages");
        QTEST(stored(QStringLiteral("select count(*) from s_PrintType where PrintName = '%1'").arg(kind)), "left");
    }

    void kindEditorRefusesARenameInUse()
    {
        auto form = openForm<TPrintTypeEditForm>();
        QVERIFY(form->master()->locate(QStringLiteral("PrintName"), QStringLiteral("支票")));
        click(*form, TListEditForm::EditButton);
        typeInto(*form, QStringLiteral("PrintName"), QStringLiteral("转帐支票"));
        click(*form, TListEditForm::SaveButton);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("单据类别支票已有单据格式使用，不能修改名称")});
        click(*form, TListEditForm::CancelButton);
        QCOMPARE(form->master()->fieldByName(QStringLiteral("PrintName"))->asString(), QStringLiteral("支票"));
        QCOMPARE(stored(QStringLiteral("select count(*) from s_PrintType where PrintName = '支票'")), QStringLiteral("1"));
    }

    void systemSettings()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_ParaList (ParaName, ParaValue, Type) values ('公司抬头', '本公司', 0)"));
        auto form = openForm<TSysSetForm>();
        QCOMPARE(form->titleLabel()->text(), QStringLiteral("系统设置"));
        QVERIFY(!form->button(TListEditForm::NewButton)->isVisibleTo(form.get()));
        QVERIFY(!form->button(TListEditForm::DeleteButton)->isVisibleTo(form.get()));
        QCOMPARE(columnTitles(form->grid()), (QStringList{QStringLiteral("参数名称"), QStringLiteral("设置内容")}));
        const int valueColumn = form->grid()->columnOfField(QStringLiteral("ParaValue"));
        const int nameColumn = form->grid()->columnOfField(QStringLiteral("ParaName"));

        // The last row is free text: no list; a switch offers 是 and 否.
        QCOMPARE(form->master()->fieldByName(QStringLiteral("ParaName"))->asString(), QStringLiteral("公司抬头"));
        QVERIFY(!qobject_cast<PickListDelegate *>(form->grid()->itemDelegateForColumn(valueColumn)));
        QVERIFY(form->master()->locate(QStringLiteral("ParaName"), QStringLiteral("打印支票时是否验证支票号码")));
        auto *values = qobject_cast<PickListDelegate *>(form->grid()->itemDelegateForColumn(valueColumn));
        QVERIFY(values);
        QCOMPARE(values->items(), (QStringList{QStringLiteral("是"), QStringLiteral("否")}));
        QVERIFY(form->master()->last());
        QVERIFY(!qobject_cast<PickListDelegate *>(form->grid()->itemDelegateForColumn(valueColumn)));

        // A switch written here counts at the readers' next look-up; its name stays.
        QVERIFY(form->master()->locate(QStringLiteral("ParaName"), QStringLiteral("打印支票时是否验证支票号码")));
        QVERIFY(!CheckCheckNoWhenPrint(CurAdo));
        click(*form, TListEditForm::EditButton);
        const QModelIndex name = form->grid()->model()->index(form->master()->recNo() - 1, nameColumn);
        QVERIFY(!(form->grid()->model()->flags(name) & Qt::ItemIsEditable));
        typeInto(*form, QStringLiteral("ParaValue"), QStringLiteral("是"));
        click(*form, TListEditForm::SaveButton);
        QVERIFY(m_messages->shown().isEmpty());
        QVERIFY(CheckCheckNoWhenPrint(CurAdo));
        QCOMPARE(stored(QStringLiteral("select ParaValue from bs_ParaList where ParaName = '打印支票时是否验证支票号码'")),
                 QStringLiteral("是"));
    }

    void mainPageTabs()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values"
                                            " ('admin', 3, 10001, '工行'), ('admin', 12, 10001, '搜索')"));
        auto form = openForm<TUiEditForm>();
        QCOMPARE(form->titleLabel()->text(), QStringLiteral("主界面设置"));
        QCOMPARE(columnTitles(form->grid()), (QStringList{QStringLiteral("序号"), QStringLiteral("标题"), QStringLiteral("是否可见")}));
        QCOMPARE(form->master()->fieldByName(QStringLiteral("TabNo"))->asInteger(), 8);

        click(*form, TListEditForm::NewButton);
        QCOMPARE(form->master()->fieldByName(QStringLiteral("TabNo"))->asInteger(), 13);
        QVERIFY(!form->close());
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("编辑状态下不能直接关闭窗口，请先取消操作或保存操作后再关闭")});
        typeInto(*form, QStringLiteral("Caption"), QStringLiteral("收据"));
        click(*form, TListEditForm::SaveButton);
        QCOMPARE(stored(QStringLiteral("select TabNo, Visible from s_uiTab where Caption = '收据'")), QStringLiteral("13|1"));

        // A tab goes at once; its icons stay.
        m_messages->clear();
        QVERIFY(form->master()->locate(QStringLiteral("TabNo"), 3));
        click(*form, TListEditForm::DeleteButton);
        QVERIFY(m_messages->shown().isEmpty());
        QCOMPARE(stored(QStringLiteral("select count(*) from s_uiTab where TabNo = 3")), QStringLiteral("0"));
        QCOMPARE(stored(QStringLiteral("select count(*) from s_ui where TabNo = 3")), QStringLiteral("1"));
    }

    void openedThroughTheLoader_data()
    {
        QTest::addColumn<int>("menuId");
        QTest::addColumn<QString>("formClass");
        QTest::addColumn<QString>("caption");
        QTest::newRow("bill kinds") << 20085 << QStringLiteral("TPrintTypeEditForm") << QStringLiteral("打印类别");
        QTest::newRow("system settings") << 20110 << QStringLiteral("TSysSetForm") << QStringLiteral("系统设置");
        QTest::newRow("main-page tabs") << 20145 << QStringLiteral("TUiEditForm") << QStringLiteral("打印界面");
    }
    void openedThroughTheLoader()
    {
        QFETCH(int, menuId);
        QFETCH(QString, formClass);
        QFETCH(QString, caption);
        TM1Form window;
        ShowLoaderWindow(window);
        m_messages->clear();

        // The loader returns only when the dialog has closed: look at it and close it meanwhile.
        QPointer<QWidget> form;
        QString titleWhileOpen;
        int offCentre = -1;
        bool maximised = false;
        bool columnsCut = true;
        Qt::WindowModality modalityWhileOpen = Qt::NonModal;
        QStringList tabsWhileOpen;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, this, [&] {
            for (QWidget *candidate : QApplication::topLevelWidgets())
                if (candidate->isVisible() && QString::fromLatin1(candidate->metaObject()->className()) == formClass)
                    form = candidate;
            if (!form)
                return;
            closer.stop();
            titleWhileOpen = form->windowTitle();
            offCentre = (form->frameGeometry().center() - window.frameGeometry().center()).manhattanLength();
            maximised = form->isMaximized();
            // Room for the columns, the row marks and a vertical scroll bar.
            if (const auto *grid = form->findChild<DataGrid *>())
                columnsCut = form->width() < grid->horizontalHeader()->length() + 80;
            modalityWhileOpen = form->windowModality();
            for (int i = 0; i < window.TabSet1->count(); ++i)
                tabsWhileOpen.append(window.TabSet1->tabText(i));
            form->close();
        });
        closer.start();
        window.OpenMenuForm(menuId, 0);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QCOMPARE(titleWhileOpen, caption);
        QCOMPARE(modalityWhileOpen, Qt::ApplicationModal);
        QCOMPARE(tabsWhileOpen, QStringList{caption});
        // Over the main window, every column readable.
        if (!maximised)
            QVERIFY2(offCentre >= 0 && offCentre <= 4, qPrintable(QString::number(offCentre)));
        if (menuId == 20110)  // its two wide columns once hid behind a scroll bar
            QVERIFY(!columnsCut);
        QTRY_VERIFY(form.isNull());
        QCOMPARE(window.TabSet1->count(), 0);
    }
};

QTEST_MAIN(TestDefinitionEditors)
#include "tst_definitioneditors.moc"
