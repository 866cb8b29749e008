#include "LoaderWindow.h"
#include "ExternalTool.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"
#include "helpers/UserInput.h"
#include "helpers/GridTitles.h"
#include "helpers/ModalDialogs.h"

#include "bills/company/CompanyRowDelegate.h"
#include "bills/company/TCompShowForm.h"
#include "bills/company/TCompanyForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/dbfun/SetDefaultValue.h"
#include "core/globals/PubDm.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/grid/DataGrid.h"
#include "mainwindow/TM1Form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

namespace {

// The shown buttons, left to right.
QStringList shownButtons(const QWidget *form)
{
    QList<QPushButton *> buttons = form->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(), [](const QPushButton *a, const QPushButton *b) { return a->x() < b->x(); });
    QStringList texts;
    for (const QPushButton *button : std::as_const(buttons))
        if (button->isVisibleTo(form))
            texts.append(button->text());
    return texts;
}

void click(QPushButton *button)
{
    QVERIFY(button->isVisible());
    QVERIFY2(button->isEnabled(), qPrintable(button->text()));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Types into the editor's box bound to the field, as the user does.
void typeInto(TCompShowForm *editor, const QString &field, const QString &text)
{
    auto *edit = editor->findChild<QLineEdit *>(field);
    QVERIFY2(edit, qPrintable(field));
    edit->selectAll();
    TypeText(edit, text);
}

void chooseType(TCompShowForm *editor, int index)
{
    editor->typeList()->setCurrentIndex(index);
    Q_EMIT editor->typeList()->activated(index);
}

QAction *menuAction(DataGrid *grid, const QString &text)
{
    for (QAction *action : grid->popupMenu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Makes the row look visible to a test.
struct RowLookProbe : CompanyRowDelegate
{
    using CompanyRowDelegate::CompanyRowDelegate;
    using CompanyRowDelegate::initStyleOption;
};

} // namespace

// The company book: the list through the loader and its buttons, the entry editor, one default
// per kind, deleting, importing and exporting, and the defaults new bills take from it.
class TestCompanyBook : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home; // the main window writes shortcuts: never into the real home
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    // Own entries 1 (default account and sender) and 2, partner 3.
    void seedBook()
    {
        ExecTmpQuery(CurAdo, QStringLiteral(
            "insert into bs_complist (autoid, bSelf, compname, compbankname, compbankcount, province, city, area,"
            " compaddr, contact, phone, telephone, mailNO, isDefault, kdDefault) values"
            " (1, 1, '甲公司', '工行', '1001', '广东', '深圳', '南山', '深南路1号', '王五', '0755-1', '138', '518000', 1, 1),"
            " (2, 1, '乙公司', '建行', '2002', '北京', '北京', '东城', '长安街2号', '李四', '010-2', '139', '100000', 0, 0),"
            " (3, 0, '客户丙', '农行', '3003', '上海', '上海', '黄浦', '南京路3号', '赵六', '021-3', '137', '200000', 0, 0)"));
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
        FileDialogSeam::setHandler({});
        m_messages.reset();
        m_folder.reset();
    }

    void openedThroughTheLoader()
    {
        seedBook();
        TM1Form window;
        ShowLoaderWindow(window);
        m_messages->clear();

        window.OpenMenuForm(20095, 0);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QTRY_COMPARE(window.mdiArea()->subWindowList().size(), 1);
        QPointer<QMdiSubWindow> frame = window.mdiArea()->subWindowList().first();
        // The module has its own copy of the screen classes: look at it through the shared base.
        auto *form = qobject_cast<TListEditForm *>(frame->widget());
        QVERIFY(form);
        QCOMPARE(form->metaObject()->className(), "TCompanyForm");
        QCOMPARE(form->windowTitle(), QStringLiteral("公司资料设置"));
        QCOMPARE(window.TabSet1->count(), 1);
        QCOMPARE(window.TabSet1->tabText(0), QStringLiteral("公司资料设置"));
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("TitleLabel"))->text(), QStringLiteral("公司资料及账户资料设置"));

        QCOMPARE(ShownTitles(form->grid()),
                 (QStringList{QStringLiteral("公司名称"), QStringLiteral("标识"), QStringLiteral("地址"), QStringLiteral("电话"),
                              QStringLiteral("联系人"), QStringLiteral("手机"), QStringLiteral("省"), QStringLiteral("市"),
                              QStringLiteral("区"), QStringLiteral("邮编"), QStringLiteral("开户银行"), QStringLiteral("帐号")}));
        QCOMPARE(shownButtons(form), (QStringList{QStringLiteral("新增(&N)"), QStringLiteral("修改(&M)"),
                                                  QStringLiteral("删除(&D)"), QStringLiteral("Excel导入"),
                                                  QStringLiteral("Excel导出"), QStringLiteral("退出(&X)")}));
        QStringList menu;
        for (const QAction *action : form->grid()->popupMenu()->actions())
            menu.append(action->text());
        QCOMPARE(menu, (QStringList{QStringLiteral("设置表格显示"), QStringLiteral("保存显示设置"),
                                    QStringLiteral("删除选中行"), QStringLiteral("刷新")}));
        QCOMPARE(form->master()->recordCount(), 3);
        QCOMPARE(form->master()->recNo(), 3);
        QCOMPARE(form->grid()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(form->grid()->editTriggers(), QAbstractItemView::NoEditTriggers);

        click(form->button(TListEditForm::ExitButton));
        QTRY_VERIFY(frame.isNull());
        QCOMPARE(window.TabSet1->count(), 0);
    }

    // 新增, 修改 and a double-click open the editor; the list shows what it saved.
    void addEditAndReadThroughTheList()
    {
        TCompanyForm form(nullptr);
        form.show();
        QVERIFY(!form.button(TListEditForm::EditButton)->isEnabled());
        QVERIFY(!form.button(TListEditForm::DeleteButton)->isEnabled());

        {
            ModalWatch<TCompShowForm> watch([&](TCompShowForm *editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("单位资料编辑"));
                QCOMPARE(editor->entry()->state(), DataSet::State::Insert);
                QCOMPARE(editor->typeList()->currentText(), QStringLiteral("往来单位"));
                QVERIFY(!editor->button(TCompShowForm::ExitButton)->isEnabled());
                // Without its full name the entry is not written, and the editor stays open.
                click(editor->button(TCompShowForm::SaveButton));
                QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("单位全称不能为空")});
                QCOMPARE(editor->entry()->state(), DataSet::State::Insert);
                editor->close();
                QVERIFY(editor->isVisible());
                QCOMPARE(m_messages->lastText(), QStringLiteral("编辑状态下不能直接关闭窗口，请先取消操作或保存操作后再关闭"));

                typeInto(editor, QStringLiteral("compname"), QStringLiteral("新公司"));
                typeInto(editor, QStringLiteral("contact"), QStringLiteral("张三"));
                click(editor->button(TCompShowForm::SaveButton));
                QCOMPARE(editor->entry()->state(), DataSet::State::Browse);
                click(editor->button(TCompShowForm::ExitButton));
            });
            click(form.button(TListEditForm::NewButton));
            QCOMPARE(watch.seen(), 1);
        }
        // Saved without touching the type list: a partner.
        QCOMPARE(stored(QStringLiteral("select bSelf, isDefault, kdDefault, compname, contact from bs_complist")),
                 QStringLiteral("0|0|0|新公司|张三"));
        QCOMPARE(form.master()->recordCount(), 1);
        QCOMPARE(form.master()->fieldByName(QStringLiteral("compname"))->asString(), QStringLiteral("新公司"));

        {
            ModalWatch<TCompShowForm> watch([&](TCompShowForm *editor) {
                QCOMPARE(editor->entry()->state(), DataSet::State::Edit);
                chooseType(editor, 1);
                editor->findChild<QCheckBox *>(QStringLiteral("isDefault"))->click();
                typeInto(editor, QStringLiteral("compbankname"), QStringLiteral("工行"));
                click(editor->button(TCompShowForm::SaveButton));
                click(editor->button(TCompShowForm::ExitButton));
            });
            click(form.button(TListEditForm::EditButton));
            QCOMPARE(watch.seen(), 1);
        }
        QCOMPARE(stored(QStringLiteral("select bSelf, isDefault, kdDefault, compbankname from bs_complist")),
                 QStringLiteral("1|1|0|工行"));
        QCOMPARE(form.master()->fieldByName(QStringLiteral("compbankname"))->asString(), QStringLiteral("工行"));

        {
            // A double-click shows the entry for reading until 修改.
            ModalWatch<TCompShowForm> watch([&](TCompShowForm *editor) {
                QCOMPARE(editor->entry()->state(), DataSet::State::Browse);
                QCOMPARE(editor->typeList()->currentText(), QStringLiteral("本单位"));
                QVERIFY(editor->findChild<QLineEdit *>(QStringLiteral("compname"))->isReadOnly());
                QVERIFY(!editor->button(TCompShowForm::SaveButton)->isEnabled());
                click(editor->button(TCompShowForm::EditButton));
                QVERIFY(!editor->findChild<QLineEdit *>(QStringLiteral("compname"))->isReadOnly());
                typeInto(editor, QStringLiteral("compname"), QStringLiteral("不要"));
                click(editor->button(TCompShowForm::CancelButton));
                click(editor->button(TCompShowForm::ExitButton));
            });
            DoubleClickCell(form.grid(), form.grid()->model()->index(0, form.grid()->columnOfField(QStringLiteral("compname"))));
            QCOMPARE(watch.seen(), 1);
        }
        QCOMPARE(stored(QStringLiteral("select compname from bs_complist")), QStringLiteral("新公司"));
    }

    // Marking a default clears the mark of the other own entries, whoever writes the row.
    void oneDefaultPerKind_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("marks"); // autoid|isDefault|kdDefault
        QTest::newRow("another own account") << QStringList{QStringLiteral("update bs_complist set isDefault = 1 where autoid = 2")}
                                             << QStringLiteral("1|0|1\n2|1|0\n3|0|0");
        QTest::newRow("another own sender") << QStringList{QStringLiteral("update bs_complist set kdDefault = 1 where autoid = 2")}
                                            << QStringLiteral("1|1|0\n2|0|1\n3|0|0");
        QTest::newRow("a partner's mark leaves the own") << QStringList{QStringLiteral("update bs_complist set isDefault = 1 where autoid = 3")}
                                                         << QStringLiteral("1|1|1\n2|0|0\n3|1|0");
        QTest::newRow("a marked partner becomes own")
            << QStringList{QStringLiteral("update bs_complist set isDefault = 1 where autoid = 3"),
                           QStringLiteral("update bs_complist set bSelf = 1 where autoid = 3")}
            << QStringLiteral("1|0|1\n2|0|0\n3|1|0");
        QTest::newRow("a new own default entry")
            << QStringList{QStringLiteral("insert into bs_complist (autoid, bSelf, compname, isDefault, kdDefault) values (4, 1, '丁', 1, 1)")}
            << QStringLiteral("1|0|0\n2|0|0\n3|0|0\n4|1|1");
    }
    void oneDefaultPerKind()
    {
        QFETCH(QStringList, statements);
        seedBook();
        for (const QString &statement : statements)
            ExecTmpQuery(CurAdo, statement);
        QTEST(stored(QStringLiteral("select autoid, isDefault, kdDefault from bs_complist order by autoid")), "marks");
    }

    // The editor's mark moves the default, and the next new bill takes it.
    void defaultsIntoNewBills_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<QString>("expected");
        const QStringList payer{QStringLiteral("付款人名称"), QStringLiteral("付款银行"), QStringLiteral("付款账户"),
                                QStringLiteral("付款人省"), QStringLiteral("付款人市"), QStringLiteral("币别")};
        QTest::newRow("wire transfer: payer") << QStringLiteral("电汇单") << QStringLiteral("银行转帐单") << payer
                                              << QStringLiteral("乙公司|建行|2002|北京|北京|人民币");
        QTest::newRow("collection: payee")
            << QStringLiteral("托收凭证") << QStringLiteral("银行转帐单")
            << QStringList{QStringLiteral("收款人名称"), QStringLiteral("收款银行"), QStringLiteral("收款账户"),
                           QStringLiteral("币别")}
            << QStringLiteral("乙公司|建行|2002|人民币");
        QTest::newRow("cheque: currency only") << QStringLiteral("支票") << QStringLiteral("银行转帐单") << payer
                                               << QStringLiteral("|||||人民币");
        QTest::newRow("waybill: sender stays with the first entry")
            << QStringLiteral("快递单") << QStringLiteral("快递单")
            << QStringList{QStringLiteral("寄件人名称"), QStringLiteral("寄件人联系人"), QStringLiteral("寄件人电话"),
                           QStringLiteral("寄件手机"), QStringLiteral("寄件人邮编"), QStringLiteral("寄件区")}
            << QStringLiteral("甲公司|王五|0755-1|138|518000|南山");
    }
    void defaultsIntoNewBills()
    {
        QFETCH(QString, kind);
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        seedBook();
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteType, DataTablename) values ('30001', ?, ?, ?)"),
                     {kind + QStringLiteral("样式"), kind, table});

        TCompShowForm editor(nullptr);
        editor.show();
        editor.openEntry(CurAdo, 2, true);
        editor.findChild<QCheckBox *>(QStringLiteral("isDefault"))->click();
        click(editor.button(TCompShowForm::SaveButton));
        QCOMPARE(stored(QStringLiteral("select autoid from bs_complist where bSelf = 1 and isDefault = 1")), QStringLiteral("2"));

        DataSet bill;
        bill.setSql(QStringLiteral("select * from %1 where 1=2").arg(table));
        bill.open();
        bill.append();
        bill.fieldByName(QStringLiteral("NoteName"))->setValue(kind + QStringLiteral("样式"));
        SetDefaultValue(bill);
        QStringList values;
        for (const QString &column : columns)
            values.append(bill.fieldByName(column)->asString());
        QTEST(values.join(QLatin1Char('|')), "expected");
    }

    void copyEntry()
    {
        seedBook();
        TCompShowForm editor(nullptr);
        editor.show();
        editor.openEntry(CurAdo, 3, false);
        click(editor.button(TCompShowForm::CopyButton));
        QCOMPARE(editor.entry()->state(), DataSet::State::Insert);
        QCOMPARE(editor.findChild<QLineEdit *>(QStringLiteral("compname"))->text(), QStringLiteral("客户丙"));
        typeInto(&editor, QStringLiteral("contact"), QStringLiteral("孙七"));
        click(editor.button(TCompShowForm::SaveButton));
        QCOMPARE(stored(QStringLiteral("select autoid, bSelf, compname, compbankcount, contact from bs_complist where autoid >= 3")),
                 QStringLiteral("3|0|客户丙|3003|赵六\n4|0|客户丙|3003|孙七"));
    }

    // The province list comes from the region table; the cities follow the typed province.
    void regions()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("create table if not exists DMTable2 (类型 TEXT, 一级代码 TEXT, 二级代码 TEXT)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into DMTable2 values ('省市', '测试省', '甲市'), ('省市', '测试省', '乙市'),"
                                            " ('省市', '空省', NULL), ('其他', '别省', '丙市')"));
        TCompShowForm editor(nullptr);
        editor.show();
        editor.openEntry(CurAdo, -1, true);
        QStringList provinces;
        for (int i = 0; i < editor.provinceList()->count(); ++i)
            provinces.append(editor.provinceList()->itemText(i));
        QVERIFY(provinces.contains(QStringLiteral("测试省")));
        QVERIFY(!provinces.contains(QStringLiteral("别省")));

        const auto cities = [&] {
            QStringList list;
            for (int i = 0; i < editor.cityList()->count(); ++i)
                list.append(editor.cityList()->itemText(i));
            list.removeAll(QString());
            return list;
        };
        TypeText(editor.provinceList()->lineEdit(), QStringLiteral("测试省"));
        QCOMPARE(cities(), (QStringList{QStringLiteral("甲市"), QStringLiteral("乙市")}));
        editor.provinceList()->lineEdit()->clear();
        TypeText(editor.provinceList()->lineEdit(), QStringLiteral("空省"));
        QCOMPARE(cities(), QStringList());
        TypeText(editor.cityList()->lineEdit(), QStringLiteral("新市"));
        typeInto(&editor, QStringLiteral("compname"), QStringLiteral("某公司"));
        click(editor.button(TCompShowForm::SaveButton));
        QCOMPARE(stored(QStringLiteral("select province, city from bs_complist")), QStringLiteral("空省|新市"));
    }

    void deleting()
    {
        seedBook();
        TCompanyForm form(nullptr);
        form.show();

        // 删除 asks first.
        m_messages->answer(QMessageBox::No);
        click(form.button(TListEditForm::DeleteButton));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("确认删除单位资料？")});
        QCOMPARE(stored(QStringLiteral("select count(*) from bs_complist")), QStringLiteral("3"));
        click(form.button(TListEditForm::DeleteButton));
        QCOMPARE(stored(QStringLiteral("select group_concat(autoid) from bs_complist")), QStringLiteral("1,2"));

        // "删除选中行" needs selected rows.
        m_messages->clear();
        form.grid()->clearSelection();
        menuAction(form.grid(), QStringLiteral("删除选中行"))->trigger();
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("要先选中相关行，用鼠标拖动表格的左边框")});
        QCOMPARE(stored(QStringLiteral("select count(*) from bs_complist")), QStringLiteral("2"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (autoid, compname) values (5, '戊')"));
        menuAction(form.grid(), QStringLiteral("刷新"))->trigger();
        QCOMPARE(form.master()->recordCount(), 3);
        QCOMPARE(form.master()->recNo(), 3);
        m_messages->clear();
        form.grid()->selectRow(0);
        form.grid()->selectionModel()->select(form.grid()->model()->index(2, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        menuAction(form.grid(), QStringLiteral("删除选中行"))->trigger();
        // Entry 1 holds both defaults: the confirmation says they go with it.
        QCOMPARE(m_messages->texts(),
                 QStringList{QStringLiteral("确认删除选中行？\n删除后将没有默认开户行和默认寄件地址。")});
        QCOMPARE(stored(QStringLiteral("select group_concat(autoid) from bs_complist")), QStringLiteral("2"));
        QCOMPARE(form.master()->recordCount(), 1);
    }

    void rowLook()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (bSelf, compname) values (0, '往来'), (1, '本单位'), (0, '又一个')"));
        TCompanyForm form(nullptr);
        QVERIFY(qobject_cast<CompanyRowDelegate *>(form.grid()->itemDelegate()));
        RowLookProbe probe;
        const auto look = [&](int row) {
            QStyleOptionViewItem option;
            option.palette = form.grid()->palette();
            probe.initStyleOption(&option, form.grid()->model()->index(row, 0));
            return QStringList{option.palette.color(QPalette::Text).name(), option.backgroundBrush.color().name(),
                               QString::number(option.backgroundBrush.style() != Qt::NoBrush)};
        };
        const QString plainText = form.grid()->palette().color(QPalette::Text).name();
        QCOMPARE(look(0), (QStringList{plainText, QStringLiteral("#fffbf0"), QStringLiteral("1")}));
        QCOMPARE(look(1).first(), QStringLiteral("#ff0000"));
        QCOMPARE(look(1).last(), QStringLiteral("0"));
        QCOMPARE(look(2).at(1), QStringLiteral("#fffbf0"));
    }

    void importAndExport()
    {
        seedBook();
        const QString sheet = m_folder->file(QStringLiteral("单位.xlsx"));
        const ToolRun made = runPython(QStringLiteral("import openpyxl, sys\n"
                                                      "book = openpyxl.Workbook()\n"
                                                      "sheet = book.active\n"
                                                      "sheet.append(['compname', 'bSelf', 'province', '无此列'])\n"
                                                      "sheet.append(['导入甲', 0, '广东', 'x'])\n"
                                                      "sheet.append(['导入乙', 1, None, 'y'])\n"
                                                      "book.save(sys.argv[1])\n"),
                                       {sheet});
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        const QString garbage = m_folder->file(QStringLiteral("坏.xls"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no sheet");
        file.close();

        TCompanyForm form(nullptr);
        form.show();
        QList<FileDialogRequest> requests;
        QString answer;
        FileDialogSeam::setHandler([&](const FileDialogRequest &request) {
            requests.append(request);
            return answer;
        });

        click(form.exportButton());
        QCOMPARE(requests.size(), 1);
        QCOMPARE(QFileInfo(requests.first().fileName).fileName(), QStringLiteral("单位资料.xlsx"));

        answer = garbage;
        click(form.importButton());
        QCOMPARE(requests.last().title, QStringLiteral("选择导入的文件"));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("读数据失败")});
        QCOMPARE(form.master()->recordCount(), 3);

        m_messages->clear();
        answer = sheet;
        click(form.importButton());
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("导入完成")});
        // The list shows the imported rows, the last one current.
        QCOMPARE(form.master()->recordCount(), 2);
        QCOMPARE(form.master()->fieldByName(QStringLiteral("compname"))->asString(), QStringLiteral("导入乙"));
        QCOMPARE(stored(QStringLiteral("select bSelf, compname, coalesce(province, '-') from bs_complist where autoid > 3")),
                 QStringLiteral("0|导入甲|广东\n1|导入乙|-"));
    }

    // The book's export re-imports into a fresh program folder: the sheet's header carries the
    // list's titles and the other columns' names, and the import reads both back.
    void exportReimportsIntoAFreshFolder()
    {
        seedBook();
        QTemporaryDir outside;
        const QString exported = QDir(outside.path()).filePath(QStringLiteral("单位资料.xlsx"));
        const QString columns = QStringLiteral("bSelf, compname, identifier, compaddr, phone, contact, telephone, province, "
                                               "city, area, mailNO, compbankname, compbankcount, isDefault, kdDefault");
        const QString before = stored(QStringLiteral("select %1 from bs_complist order by autoid").arg(columns));
        FileDialogSeam::setHandler([&](const FileDialogRequest &) { return exported; });
        DesktopOpener::setHandler([](const QUrl &) { return true; });
        const auto restoreOpener = qScopeGuard([] { DesktopOpener::setHandler({}); });
        {
            TCompanyForm form(nullptr);
            form.show();
            click(form.exportButton());
        }
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("数据导出完毕！")});
        const ToolRun header = runPython(QStringLiteral("import openpyxl, sys\n"
                                                        "sheet = openpyxl.load_workbook(sys.argv[1]).active\n"
                                                        "print('|'.join(str(c.value) for c in sheet[1]))\n"),
                                         {exported});
        QVERIFY2(header.exitCode == 0, header.errors.constData());
        const QStringList titles = QString::fromUtf8(header.output).trimmed().split(u'|');
        QVERIFY(titles.contains(QStringLiteral("公司名称")));
        QVERIFY(titles.contains(QStringLiteral("帐号")));
        QVERIFY(titles.contains(QStringLiteral("bSelf")));
        QVERIFY(!titles.contains(QStringLiteral("None")) && !titles.contains(QString()));

        m_messages.reset();
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        TCompanyForm form(nullptr);
        form.show();
        click(form.importButton());
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("导入完成")});
        QCOMPARE(stored(QStringLiteral("select %1 from bs_complist order by autoid").arg(columns)), before);
        QCOMPARE(form.master()->recordCount(), 3);
    }

    // Excel导出 then Excel导入 of the same file: the copies come in without default marks, the
    // book's rows keep theirs, deleting the copies leaves the defaults, and deleting the
    // default entry says which default goes with it.
    void reimportKeepsTheDefaults_data()
    {
        QTest::addColumn<QStringList>("statements");  // after seedBook
        QTest::addColumn<QString>("marks");           // autoid|isDefault|kdDefault of the book
        QTest::addColumn<QString>("copies");          // name:bSelf isDefault kdDefault
        QTest::addColumn<QString>("deletingFirst");   // the confirmation of 删除 on entry 1
        QTest::newRow("both defaults on one entry")
            << QStringList() << QStringLiteral("1|1|1\n2|0|0\n3|0|0") << QStringLiteral("甲公司:100,乙公司:100,客户丙:000")
            << QStringLiteral("确认删除单位资料？\n删除后将没有默认开户行和默认寄件地址。");
        QTest::newRow("the sender on another entry")
            << QStringList{QStringLiteral("update bs_complist set kdDefault = 1 where autoid = 2")}
            << QStringLiteral("1|1|0\n2|0|1\n3|0|0") << QStringLiteral("甲公司:100,乙公司:100,客户丙:000")
            << QStringLiteral("确认删除单位资料？\n删除后将没有默认开户行。");
        // No own sender: the file's marks come in where the book has none.
        QTest::newRow("no own sender, a marked partner")
            << QStringList{QStringLiteral("update bs_complist set kdDefault = 0 where autoid = 1"),
                           QStringLiteral("update bs_complist set kdDefault = 1 where autoid = 3")}
            << QStringLiteral("1|1|0\n2|0|0\n3|0|1") << QStringLiteral("甲公司:100,乙公司:100,客户丙:001")
            << QStringLiteral("确认删除单位资料？\n删除后将没有默认开户行。");
    }
    void reimportKeepsTheDefaults()
    {
        QFETCH(QStringList, statements);
        QFETCH(QString, marks);
        QFETCH(QString, copies);
        seedBook();
        for (const QString &statement : std::as_const(statements))
            ExecTmpQuery(CurAdo, statement);
        const QString marksSql = QStringLiteral("select autoid, isDefault, kdDefault from bs_complist where autoid <= 3 order by autoid");
        QCOMPARE(stored(marksSql), marks);
        const QString sheet = m_folder->file(QStringLiteral("单位资料.xlsx"));
        FileDialogSeam::setHandler([&](const FileDialogRequest &) { return sheet; });
        DesktopOpener::setHandler([](const QUrl &) { return true; });
        const auto restoreOpener = qScopeGuard([] { DesktopOpener::setHandler({}); });

        TCompanyForm form(nullptr);
        form.show();
        click(form.exportButton());
        click(form.importButton());
        QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("数据导出完毕！"), QStringLiteral("导入完成")}));
        QCOMPARE(stored(marksSql), marks);
        QCOMPARE(stored(QStringLiteral("select group_concat(compname || ':' || bSelf || coalesce(isDefault, 0) || coalesce(kdDefault, 0))"
                                       " from (select * from bs_complist where autoid > 3 order by autoid)")),
                 copies);
        // What the readers take: the book's own entries.
        const auto defaultEntry = [&](const QString &mark) {
            return stored(QStringLiteral("select compname from bs_complist where bSelf = 1 and %1 = 1 order by autoid limit 1").arg(mark));
        };
        const QString account = defaultEntry(QStringLiteral("isDefault"));
        const QString sender = defaultEntry(QStringLiteral("kdDefault"));
        QCOMPARE(account, QStringLiteral("甲公司"));

        // The list shows the copies; all of them selected and deleted: no default goes.
        QCOMPARE(form.master()->recordCount(), 3);
        m_messages->clear();
        form.grid()->selectAll();
        menuAction(form.grid(), QStringLiteral("删除选中行"))->trigger();
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("确认删除选中行？")});
        QCOMPARE(stored(QStringLiteral("select count(*) from bs_complist")), QStringLiteral("3"));
        QCOMPARE(stored(marksSql), marks);
        QCOMPARE(defaultEntry(QStringLiteral("isDefault")), account);
        QCOMPARE(defaultEntry(QStringLiteral("kdDefault")), sender);

        // Deleting the default entry itself is said first; answered No, it stays.
        menuAction(form.grid(), QStringLiteral("刷新"))->trigger();
        QVERIFY(form.master()->locate(QStringLiteral("autoid"), 1));
        m_messages->clear();
        m_messages->answer(QMessageBox::No);
        click(form.button(TListEditForm::DeleteButton));
        QFETCH(QString, deletingFirst);
        QCOMPARE(m_messages->texts(), QStringList{deletingFirst});
        QCOMPARE(stored(marksSql), marks);
        // A partner's entry takes no default with it.
        QVERIFY(form.master()->locate(QStringLiteral("autoid"), 3));
        m_messages->clear();
        m_messages->answer(QMessageBox::No);
        click(form.button(TListEditForm::DeleteButton));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("确认删除单位资料？")});
    }

    // A sheet whose header names no column imports nothing, says so, and the list keeps
    // showing the book.
    void sheetWithoutKnownColumns()
    {
        seedBook();
        const QString sheet = m_folder->file(QStringLiteral("无列.xlsx"));
        const ToolRun made = runPython(QStringLiteral("import openpyxl, sys\n"
                                                      "book = openpyxl.Workbook()\n"
                                                      "book.active.append(['名字', '地方'])\n"
                                                      "book.active.append(['甲', '乙'])\n"
                                                      "book.save(sys.argv[1])\n"),
                                       {sheet});
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        FileDialogSeam::setHandler([&](const FileDialogRequest &) { return sheet; });
        TCompanyForm form(nullptr);
        form.show();
        click(form.importButton());
        QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("文件第一行没有可以导入的列名，没有导入数据"),
                                                   QStringLiteral("读数据失败")}));
        QCOMPARE(form.master()->recordCount(), 3);
        QCOMPARE(stored(QStringLiteral("select count(*) from bs_complist")), QStringLiteral("3"));
    }
};

QTEST_MAIN(TestCompanyBook)
#include "tst_companybook.moc"
