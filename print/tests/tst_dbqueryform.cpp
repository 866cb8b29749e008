#include "ExternalTool.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "LoaderWindow.h"
#include "helpers/HistoryQueryFixture.h"
#include "helpers/ModalDialogs.h"
#include "helpers/UserInput.h"

#include "bills/history/HistoryDatePreset.h"
#include "bills/history/HistoryFilter.h"
#include "bills/history/HistoryRowDelegate.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "bills/pickers/TPickDataForm.h"
#include "bills/history/TDbQueryForm.h"
#include "designer/definitions/TChangeTypeForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "gui/dataaware/NullableDateEdit.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridFooter.h"
#include "mainwindow/TM1Form.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolButton>
#include <QShortcut>
#include <QtTest>

namespace {

// Shows the colours the delegate gives a cell.
class RowLook : public HistoryRowDelegate
{
public:
    QColor textOf(const QModelIndex &index) const
    {
        QStyleOptionViewItem option;
        initStyleOption(&option, index);
        return option.palette.color(QPalette::Text);
    }
};

// Above 16 bits: the whole number must reach the screen.
constexpr qint64 kDepositRefNo = 70001;
constexpr qint64 kChequeRefNo = 70002;

void addFormat(qint64 refNo, const QString &name, const QString &category, const QString &kind, const QString &table)
{
    ExecTmpQuery(CurAdo,
                 QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename) values (?, ?, ?, ?, ?)"),
                 {QString::number(refNo), name, category, kind, table});
}

qint64 addTransfer(const QString &format, const QString &payee, const QString &amount, const QString &date, int flag = -1)
{
    ExecTmpQuery(CurAdo,
                 QStringLiteral("insert into 银行转帐单 (NoteName, NoteTypeName, Refno, Flag, dis, 收款人名称, 金额, 付款日期)"
                                " values (?, ?, ?, ?, 0, ?, ?, ?)"),
                 {format, format + QStringLiteral("类"), QStringLiteral("R%1-%2").arg(payee, amount), flag, payee, amount, date});
    return SelTableIntegerValue(CurAdo, QStringLiteral("select max(id) from 银行转帐单"));
}

QStringList listed(const DataSet *rows, const QString &column)
{
    QStringList values;
    const DataField *field = rows->fieldByName(column);
    for (int row = 0; row < rows->recordCount(); ++row)
        values.append(rows->value(row, field).toString());
    return values;
}

} // namespace

// The history query: kinds, filters bound into the statement, sums, messages and row commands.
class TestDbQueryForm : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    std::unique_ptr<HistoryQueryFixture> m_screen;
    qint64 m_audited = 0;

    std::unique_ptr<TDbQueryForm> shownForm() { return m_screen->shownForm(); }
    void selectRows(TDbQueryForm *form, const QList<int> &rows)
    {
        form->grid()->clearSelection();
        for (const int row : rows)
            form->grid()->selectionModel()->select(form->grid()->model()->index(row, 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

private Q_SLOTS:
    void init()
    {
        m_screen = std::make_unique<HistoryQueryFixture>(HistoryQueryFixture::Formats::Shipped);
        addFormat(kDepositRefNo, QStringLiteral("测试进账单"), QStringLiteral("测试进账单类"), QStringLiteral("进账单"), QStringLiteral("银行转帐单"));
        addFormat(kChequeRefNo, QStringLiteral("测试支票"), QStringLiteral("测试支票类"), QStringLiteral("支票"), QStringLiteral("银行转帐单"));
        addTransfer(QStringLiteral("测试支票"), QStringLiteral("O'Brien商行"), QStringLiteral("0.1"), QStringLiteral("2026-03-01"));
        addTransfer(QStringLiteral("测试支票"), QStringLiteral("华东机电"), QStringLiteral("0.2"), QStringLiteral("2026-03-05T10:30:00"));
        m_audited = addTransfer(QStringLiteral("测试支票"), QStringLiteral("华东机电"), QStringLiteral("1234.56"), QStringLiteral("2026-03-10"), 1);
        addTransfer(QStringLiteral("测试进账单"), QStringLiteral("南方五金"), QStringLiteral("99"), QStringLiteral("2026-03-02"));
    }
    void cleanup()
    {
        PrinterSetupSeam::setHandler({});
        FileDialogSeam::setHandler({});
        DesktopOpener::setHandler({});
        m_screen.reset();
    }

    void openedByRefNoThroughTheLoader()
    {
        TM1Form window;
        ShowLoaderWindow(window);
        if (QTest::currentTestFailed())
            return;
        m_screen->messages.clear();

        window.OpenMenuForm(20055, PackRefNoParam(kDepositRefNo));
        QVERIFY2(m_screen->messages.shown().isEmpty(), qPrintable(m_screen->messages.texts().join(QLatin1Char('\n'))));
        const QList<QMdiSubWindow *> frames = window.mdiArea()->subWindowList();
        QCOMPARE(frames.size(), 1);
        QWidget *form = frames.first()->widget();
        QCOMPARE(QString::fromLatin1(form->metaObject()->className()), QStringLiteral("TDbQueryForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("数据查询"));
        QTRY_VERIFY(frames.first()->isMaximized());
        QCOMPARE(WindowOf(hDataQueryWindowsHandle), form);

        // The deposit kind is listed: its own bills only, with its party boxes.
        auto *grid = form->findChild<DataGrid *>(QStringLiteral("DBGrid1"));
        QCOMPARE(listed(grid->dataSet(), QStringLiteral("收款人名称")), QStringList{QStringLiteral("南方五金")});
        QVERIFY(form->findChild<QLineEdit *>(QStringLiteral("DrawerBox"))->isVisible());
        QVERIFY(!form->findChild<QLineEdit *>(QStringLiteral("PayeeBox"))->isVisible());
        QVERIFY(!form->findChild<QComboBox *>(QStringLiteral("VoidBox"))->isVisible());

        // A save in the bill form refreshes the list with the same filter.
        addTransfer(QStringLiteral("测试进账单"), QStringLiteral("北方物流"), QStringLiteral("1"), QStringLiteral("2026-03-03"));
        SendMessage(hDataQueryWindowsHandle, RegisterWindowMessage(MsgRefreshQuery), 0, 0);
        QCOMPARE(listed(grid->dataSet(), QStringLiteral("收款人名称")),
                 (QStringList{QStringLiteral("北方物流"), QStringLiteral("南方五金")}));
    }

    void filters_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QString>("audit");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("sum");
        QTest::newRow("everything") << "" << "" << "" << QDate() << QDate() << "全部"
                                    << QStringList{"1234.56", "0.20", "0.10"} << "1234.86";
        QTest::newRow("apostrophe") << "O'Brien商行" << "" << "" << QDate() << QDate() << "全部" << QStringList{"0.10"} << "0.10";
        QTest::newRow("percent") << "%" << "" << "" << QDate() << QDate() << "全部" << QStringList{} << "0.00";
        QTest::newRow("one day takes its times") << "" << "" << "" << QDate(2026, 3, 5) << QDate(2026, 3, 5) << "全部"
                                                 << QStringList{"0.20"} << "0.20";
        QTest::newRow("amount range") << "" << "0.2" << "1234.56" << QDate() << QDate() << "全部"
                                      << QStringList{"1234.56", "0.20"} << "1234.76";
        QTest::newRow("not audited") << "华东机电" << "" << "" << QDate(2026, 3, 1) << QDate(2026, 3, 31) << "未审核"
                                     << QStringList{"0.20"} << "0.20";
    }
    void filters()
    {
        QFETCH(QString, payee);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QString, audit);
        QFETCH(QStringList, amounts);
        QFETCH(QString, sum);
        auto form = shownForm();
        form->findChild<QLineEdit *>(QStringLiteral("PayeeBox"))->setText(payee);
        form->findChild<QLineEdit *>(QStringLiteral("AmountFromBox"))->setText(from);
        form->findChild<QLineEdit *>(QStringLiteral("AmountToBox"))->setText(to);
        form->findChild<NullableDateEdit *>(QStringLiteral("StartDateBox"))->setDateOrNull(start);
        form->findChild<NullableDateEdit *>(QStringLiteral("EndDateBox"))->setDateOrNull(end);
        form->findChild<QComboBox *>(QStringLiteral("AuditBox"))->setCurrentText(audit);
        form->findChild<QPushButton *>(QStringLiteral("KindButton0"))->click();
        QVERIFY2(m_screen->messages.shown().isEmpty(), qPrintable(m_screen->messages.texts().join(QLatin1Char('\n'))));

        DataGrid *grid = form->grid();
        QStringList shown;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            shown.append(grid->model()->index(row, grid->columnOfField(QStringLiteral("金额"))).data().toString());
        QCOMPARE(shown, amounts);
        QCOMPARE(grid->footer()->textOf(grid->columnOfField(QStringLiteral("金额"))), sum);
        QCOMPARE(grid->footer()->textOf(grid->columnOfField(QStringLiteral("id"))), QStringLiteral("记录数"));
        QCOMPARE(grid->footer()->textOf(grid->columnOfField(QStringLiteral("NoteTypeName"))), QString::number(amounts.size()));
    }

    // Deleting a category on the main page takes its formats: their bills stay listed.
    void billsOfADeletedFormatStayListed()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where RefNo = ?"), {QString::number(kChequeRefNo)});
        auto form = shownForm();
        form->findChild<QPushButton *>(QStringLiteral("KindButton0"))->click();
        QVERIFY2(m_screen->messages.shown().isEmpty(), qPrintable(m_screen->messages.texts().join(QLatin1Char('\n'))));
        QStringList payees = listed(form->dataSet(), QStringLiteral("收款人名称"));
        payees.sort();
        QCOMPARE(payees, (QStringList{QStringLiteral("O'Brien商行"), QStringLiteral("华东机电"), QStringLiteral("华东机电")}));
    }

    // Four kinds keep their bills in 银行转帐单: a bill whose format is gone goes with the kind of
    // the formats left in its category, and with every one of them only when none is left.
    void billsOfADeletedFormatUnderTheirKind_data()
    {
        QTest::addColumn<bool>("categoryKept");
        QTest::addColumn<QStringList>("deposits");
        const QStringList cheques{QStringLiteral("O'Brien商行"), QStringLiteral("华东机电"), QStringLiteral("华东机电")};
        QTest::newRow("category kept by another format") << true << QStringList{QStringLiteral("南方五金")};
        QTest::newRow("category gone") << false << (cheques + QStringList{QStringLiteral("南方五金")});
    }
    void billsOfADeletedFormatUnderTheirKind()
    {
        QFETCH(bool, categoryKept);
        QFETCH(QStringList, deposits);
        if (categoryKept)
            addFormat(70009, QStringLiteral("测试支票二"), QStringLiteral("测试支票类"), QStringLiteral("支票"), QStringLiteral("银行转帐单"));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where RefNo = ?"), {QString::number(kChequeRefNo)});
        auto form = shownForm();
        const auto payeesOfKind = [&](int kind) {
            form->findChild<QPushButton *>(QStringLiteral("KindButton%1").arg(kind))->click();
            QStringList payees = listed(form->dataSet(), QStringLiteral("收款人名称"));
            payees.sort();
            return payees;
        };
        QCOMPARE(payeesOfKind(0), (QStringList{QStringLiteral("O'Brien商行"), QStringLiteral("华东机电"), QStringLiteral("华东机电")}));
        QCOMPARE(payeesOfKind(1), deposits);
        QVERIFY2(m_screen->messages.shown().isEmpty(), qPrintable(m_screen->messages.texts().join(QLatin1Char('\n'))));
    }

    void deliveryDetailsByPartName()
    {
        addFormat(70003, QStringLiteral("测试送货单"), QStringLiteral("测试送货单类"), QStringLiteral("送货单"), QStringLiteral("出货单"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单 (NoteName, Refno, 收货单位, 合计金额, 出货日期) values (?, 'D1', ?, 12.5, '2026-03-01')"),
                     {QStringLiteral("测试送货单"), QStringLiteral("华东机电")});
        for (const QString &name : {QStringLiteral("50%棉布"), QStringLiteral("500棉布"), QStringLiteral("涤纶")})
            ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单明细 (Refno, 品名, 小计) values ('D1', ?, 1)"), {name});
        auto form = shownForm();
        form->findChild<QLineEdit *>(QStringLiteral("PartNameBox"))->setText(QStringLiteral("50%"));
        form->findChild<QPushButton *>(QStringLiteral("KindButton6"))->click();
        QVERIFY2(m_screen->messages.shown().isEmpty(), qPrintable(m_screen->messages.texts().join(QLatin1Char('\n'))));
        QCOMPARE(listed(form->dataSet(), QStringLiteral("c.品名")), QStringList{QStringLiteral("50%棉布")});
        QCOMPARE(listed(form->dataSet(), QStringLiteral("收货单位")), QStringList{QStringLiteral("华东机电")});

        // The bill's own row opens, not the detail row's.
        DoubleClickCell(form->grid(), form->grid()->model()->index(0, 0));
        QCOMPARE(m_screen->mainWindow.received.size(), 1);
        QCOMPARE(m_screen->mainWindow.received.first().LParam, PackRefNoParam(70003));
        QCOMPARE(iCurOpenAutoid, SelTableIntegerValue(CurAdo, QStringLiteral("select id from 出货单")));
    }

    void waybillFormatSetsItsCategory()
    {
        addFormat(70004, QStringLiteral("测试快递单"), QStringLiteral("顺路快递"), QStringLiteral("快递单"), QStringLiteral("快递单"));
        auto form = shownForm();
        QVERIFY(!form->findChild<QPushButton *>(QStringLiteral("ShopImportButton"))->isVisible());
        SendMessage(form->Handle(), RegisterWindowMessage(MsgOpenRefNo), 0, PackRefNoParam(70004));
        QCOMPARE(form->currentKind(), 4);
        QCOMPARE(form->dataTable(), QStringLiteral("快递单"));
        QCOMPARE(form->findChild<QComboBox *>(QStringLiteral("WaybillTypeBox"))->currentText(), QStringLiteral("顺路快递"));
        QVERIFY(form->findChild<QPushButton *>(QStringLiteral("ShopImportButton"))->isVisible());
        QVERIFY(form->findChild<QComboBox *>(QStringLiteral("WaybillTypeBox"))->isVisible());
        QVERIFY(!form->findChild<QLineEdit *>(QStringLiteral("AmountFromBox"))->isVisible());
    }

    void exportTheList()
    {
        const QString path = m_screen->folder.file(QStringLiteral("tmp/历史.xlsx"));
        FileDialogSeam::setHandler([&](const FileDialogRequest &) { return path; });
        DesktopOpener::setHandler([](const QUrl &) { return true; });
        auto form = shownForm();
        form->findChild<QLineEdit *>(QStringLiteral("PayeeBox"))->setText(QStringLiteral("华东机电"));
        form->findChild<QPushButton *>(QStringLiteral("KindButton0"))->click();
        form->findChild<QPushButton *>(QStringLiteral("ExportButton"))->click();
        QCOMPARE(m_screen->messages.lastText(), QStringLiteral("数据导出完毕！"));

        const ToolRun python = runPython(QStringLiteral("import openpyxl, sys\n"
                                                         "rows = list(openpyxl.load_workbook(sys.argv[1]).active.values)\n"
                                                         "at = rows[0].index('收款人名称'), rows[0].index('金额')\n"
                                                         "for row in rows[1:]: print(row[at[0]], row[at[1]])\n"),
                                          {path});
        QVERIFY2(python.exitCode == 0, python.errors.constData());
        QCOMPARE(QString::fromUtf8(python.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{QStringLiteral("华东机电 1234.56"), QStringLiteral("华东机电 0.2")}));
    }

    void moveRowsToAnotherFormat()
    {
        addFormat(70005, QStringLiteral("测试支票二"), QStringLiteral("测试支票二类"), QStringLiteral("支票"), QStringLiteral("银行转帐单"));
        auto form = shownForm();
        selectRows(form.get(), {1, 2});
        ModalWatch<TChangeTypeForm> choose([](TChangeTypeForm *dialog) {
            dialog->formatList()->setCurrentText(QStringLiteral("测试支票二"));
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("确定"))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        form->changeSelectedFormat();
        QCOMPARE(choose.seen(), 1);
        QCOMPARE(SqliteShellRows(m_screen->folder.databasePath(), QStringLiteral("select NoteName || '/' || NoteTypeName from 银行转帐单"
                                                                           " where NoteName like '测试支票%' order by id")),
                 (QStringList{QStringLiteral("测试支票二/测试支票二类"), QStringLiteral("测试支票二/测试支票二类"),
                              QStringLiteral("测试支票/测试支票类")}));
    }

    // Bills whose format and category are gone can be moved back to a format of the kind they
    // are listed under.
    void billsOfADeletedFormatMoveToALiveOne()
    {
        addFormat(70005, QStringLiteral("测试支票二"), QStringLiteral("测试支票二类"), QStringLiteral("支票"), QStringLiteral("银行转帐单"));
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where RefNo = ?"), {QString::number(kChequeRefNo)});
        auto form = shownForm();
        form->findChild<QPushButton *>(QStringLiteral("KindButton0"))->click();
        QCOMPARE(form->dataSet()->recordCount(), 3);
        QCOMPARE(form->dataSet()->fieldByName(QStringLiteral("NoteName"))->asString(), QStringLiteral("测试支票"));
        selectRows(form.get(), {0});
        QStringList offered;
        ModalWatch<TChangeTypeForm> choose([&](TChangeTypeForm *dialog) {
            for (int i = 0; i < dialog->formatList()->count(); ++i)
                offered.append(dialog->formatList()->itemText(i));
            dialog->formatList()->setCurrentText(QStringLiteral("测试支票二"));
            for (QPushButton *button : dialog->findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("确定"))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        form->changeSelectedFormat();
        QCOMPARE(choose.seen(), 1);
        QVERIFY2(offered.contains(QStringLiteral("测试支票二")), qPrintable(offered.join(u',')));
        QVERIFY(!offered.contains(QStringLiteral("测试进账单")));
        QCOMPARE(SqliteShellRows(m_screen->folder.databasePath(), QStringLiteral("select count(*) from 银行转帐单 where NoteName = '测试支票二'")),
                 QStringList{QStringLiteral("1")});
    }

    void rowColours()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("update 银行转帐单 set dis = 1, Flag = 1 where 收款人名称 = ?"), {QStringLiteral("O'Brien商行")});
        auto form = shownForm();
        const QAbstractItemModel *model = form->grid()->model();
        RowLook look;
        const QColor plain = look.textOf(model->index(1, 0));
        QCOMPARE(look.textOf(model->index(0, 0)), QColor(Qt::blue));  // audited
        QCOMPARE(look.textOf(model->index(2, 0)), QColor(Qt::red));   // void wins over audited
        QVERIFY(plain != QColor(Qt::red) && plain != QColor(Qt::blue));
    }

    void pickerFillsItsBox()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (bSelf, compname, compbankname, compbankcount) values (1, '本公司', '工行', '1001')"));
        auto form = shownForm();
        auto *account = form->findChild<QLineEdit *>(QStringLiteral("AccountBox"));
        account->setText(QStringLiteral("旧"));
        {
            ModalWatch<TPickDataForm> cancel([](TPickDataForm *dialog) { dialog->reject(); });
            form->findChild<QToolButton *>(QStringLiteral("AccountBoxPicker"))->click();
            QCOMPARE(cancel.seen(), 1);
            QCOMPARE(account->text(), QStringLiteral("旧"));
        }

        ModalWatch<TPickDataForm> pick([](TPickDataForm *dialog) {
            DoubleClickCell(dialog->grid(), dialog->grid()->model()->index(0, dialog->grid()->horizontalHeader()->logicalIndex(0)));
        });
        form->findChild<QToolButton *>(QStringLiteral("AccountBoxPicker"))->click();
        QCOMPARE(pick.seen(), 1);
        QCOMPARE(account->text(), QStringLiteral("工行"));
    }

    void amountThatIsNoNumber()
    {
        HistoryFilterBoxes boxes;
        boxes.amountFrom = QStringLiteral("1 or 1=1");
        QVERIFY_THROWS_EXCEPTION(CorvaneError, BuildHistoryFilter(HistoryKinds().at(0), boxes));
    }

    void partTextsMatchLiterally()
    {
        HistoryFilterBoxes boxes;
        boxes.partName = QStringLiteral("50%_棉");
        const SqlCondition condition = BuildHistoryFilter(HistoryKinds().at(6), boxes);
        QCOMPARE(condition.text, QStringLiteral("1=1 and c.品名 like ? escape '\\'"));
        QCOMPARE(condition.params, (QVariantList{QStringLiteral("%50\\%\\_棉%")}));
    }

    void datePresets_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("start");
        QTest::newRow("three days") << "最近三天" << QDate(2026, 3, 1) << QDate(2026, 2, 27);
        QTest::newRow("month") << "最近一个月" << QDate(2026, 3, 31) << QDate(2026, 3, 1);
        QTest::newRow("three months") << "最近三个月" << QDate(2026, 5, 31) << QDate(2026, 3, 1);
        QTest::newRow("year") << "最近一年" << QDate(2026, 3, 1) << QDate(2025, 3, 2);
        QTest::newRow("year from 29 February") << "最近一年" << QDate(2028, 2, 29) << QDate(2027, 3, 1);
        QTest::newRow("month on the first") << "本月内" << QDate(2026, 3, 1) << QDate(2026, 3, 1);
        QTest::newRow("year to date") << "本年度内" << QDate(2026, 3, 9) << QDate(2026, 1, 1);
    }
    void datePresets()
    {
        QFETCH(QString, preset);
        QFETCH(QDate, today);
        QFETCH(QDate, start);
        QCOMPARE(HistoryPresetStart(preset, today), start);
    }

    void doubleClickOpensTheBill()
    {
        auto form = shownForm();
        QVERIFY(form->dataSet()->recordCount() > 1);
        DoubleClickCell(form->grid(), form->grid()->model()->index(1, 0));
        QCOMPARE(m_screen->mainWindow.received.size(), 1);
        const WindowMessage &sent = m_screen->mainWindow.received.first();
        QVERIFY(IsMessage(sent, MsgOpenForm));
        QCOMPARE(sent.WParam, 20045);
        QCOMPARE(sent.LParam, PackRefNoParam(kChequeRefNo));
        QCOMPARE(iCurOpenAutoid, form->dataSet()->value(1, form->dataSet()->fieldByName(QStringLiteral("id"))).toLongLong());
    }

    // A bill whose format is gone: a message names the format, and no screen is asked to open.
    void billOfADeletedFormatIsNotOpened_data()
    {
        QTest::addColumn<bool>("batch");
        QTest::addColumn<QString>("message");
        QTest::newRow("double click") << false << QStringLiteral("单据格式“测试支票”已不存在，不能打开该单据");
        QTest::newRow("batch print") << true << QStringLiteral("单据格式“测试支票”已不存在，不能打印");
    }
    void billOfADeletedFormatIsNotOpened()
    {
        QFETCH(bool, batch);
        QFETCH(QString, message);
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where RefNo = ?"), {QString::number(kChequeRefNo)});
        iCurOpenAutoid = 0;
        arrBatchPrintid.clear();
        auto form = shownForm();
        form->findChild<QPushButton *>(QStringLiteral("KindButton0"))->click();
        QVERIFY(form->dataSet()->recordCount() > 1);
        bool asked = false;
        PrinterSetupSeam::setHandler([&] {
            asked = true;
            return true;
        });
        if (batch) {
            selectRows(form.get(), {0});
            form->printSelected();
        } else {
            DoubleClickCell(form->grid(), form->grid()->model()->index(0, 0));
        }
        QCOMPARE(m_screen->messages.texts(), QStringList{message});
        QVERIFY(m_screen->mainWindow.received.isEmpty());
        QVERIFY(!asked);
        QCOMPARE(iCurOpenAutoid, 0);
        QVERIFY(arrBatchPrintid.isEmpty());
    }

    void batchPrint()
    {
        auto form = shownForm();
        bool asked = false;
        PrinterSetupSeam::setHandler([&] {
            asked = true;
            return true;
        });
        selectRows(form.get(), {});
        form->printSelected();
        QCOMPARE(m_screen->messages.lastText(), QStringLiteral("要先选中相关资料才能打印"));
        ExecTmpQuery(CurAdo, QStringLiteral("update 银行转帐单 set NoteTypeName='别的类' where id=?"), {m_audited});
        form->dataSet()->requery();
        selectRows(form.get(), {0, 1});
        form->printSelected();
        QCOMPARE(m_screen->messages.lastText(), QStringLiteral("选中的单据类型必须一致才能打印"));
        QVERIFY(!asked);
        QVERIFY(m_screen->mainWindow.received.isEmpty());

        selectRows(form.get(), {2, 1});
        form->printSelected();
        QVERIFY(asked);
        const DataField *id = form->dataSet()->fieldByName(QStringLiteral("id"));
        QCOMPARE(arrBatchPrintid, (QList<qint64>{form->dataSet()->value(2, id).toLongLong(), form->dataSet()->value(1, id).toLongLong()}));
        QCOMPARE(iCurOpenAutoid, 1);
        QCOMPARE(m_screen->mainWindow.received.size(), 1);
        QCOMPARE(m_screen->mainWindow.received.first().LParam, PackRefNoParam(kChequeRefNo));
    }

    // Ctrl+A in a list longer than the grid has fetched selects every bill, and the batch
    // print gets them all.
    void batchPrintOfTheWholeList()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 700)"
                                            " insert into 银行转帐单 (NoteName, NoteTypeName, RefNo, Flag, 收款人名称)"
                                            " select NoteName, NoteTypeName, 'B' || i, -1, '批量' || i from n,"
                                            " (select NoteName, NoteTypeName from 银行转帐单 where id = ?)"),
                     {m_audited});
        auto form = shownForm();
        PrinterSetupSeam::setHandler([] { return true; });
        QShortcut *selectAll = nullptr;
        for (QShortcut *shortcut : form->grid()->findChildren<QShortcut *>())
            if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_A))
                selectAll = shortcut;
        QVERIFY(selectAll);
        Q_EMIT selectAll->activated();
        form->printSelected();
        const QStringList listed = SqliteShellRows(m_screen->folder.databasePath(),
                                                   QStringLiteral("select count(*) from 银行转帐单 where NoteTypeName = "
                                                                  "(select NoteTypeName from 银行转帐单 where id = %1)").arg(m_audited));
        QCOMPARE(QString::number(arrBatchPrintid.size()), listed.value(0));
        QVERIFY(arrBatchPrintid.size() > 700);
    }

    void deleteRows()
    {
        auto form = shownForm();
        selectRows(form.get(), {});
        form->deleteSelected();
        QCOMPARE(m_screen->messages.lastText(), QStringLiteral("要先选中相关行，用鼠标拖动表格左边的标题"));
        selectRows(form.get(), {0, 1});  // the audited bill is the newest
        form->deleteSelected();
        QCOMPARE(m_screen->messages.lastText(), QStringLiteral("选中的单据有已经审核过的，不能删除"));

        selectRows(form.get(), {1, 2});
        m_screen->messages.answer(QMessageBox::No);
        form->deleteSelected();
        QCOMPARE(m_screen->messages.lastText(), QStringLiteral("确认删除选中行？"));
        QCOMPARE(SqliteShellRows(m_screen->folder.databasePath(), QStringLiteral("select count(*) from 银行转帐单")), QStringList{"4"});
        form->deleteSelected();
        QCOMPARE(SqliteShellRows(m_screen->folder.databasePath(), QStringLiteral("select 收款人名称 from 银行转帐单 order by id")),
                 (QStringList{QStringLiteral("华东机电"), QStringLiteral("南方五金")}));
        QCOMPARE(form->dataSet()->recordCount(), 1);
    }
};

QTEST_MAIN(TestDbQueryForm)
#include "tst_dbqueryform.moc"
