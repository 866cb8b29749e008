#include "MessageScript.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"
#include "helpers/GridTitles.h"
#include "LoaderWindow.h"
#include "helpers/MessageRecorder.h"
#include "helpers/ModalDialogs.h"
#include "helpers/UserInput.h"

#include "bills/cheques/TCheckForm.h"
#include "bills/cheques/TgetBuyCheckForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "gui/grid/DataGrid.h"
#include "mainwindow/TM1Form.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QtTest>

namespace {

void fillBook(TgetBuyCheckForm *dialog, const QString &startNo, int count)
{
    dialog->bankBox()->setEditText(QStringLiteral(" 工商银行 "));
    dialog->startNoBox()->setText(startNo);
    dialog->countBox()->setValue(count);
    dialog->buyDateBox()->setDate(QDate(2024, 3, 1));
}

} // namespace

// The cheque register screen, driven through its buttons and grid.
class TestCheckForm : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home; // the main window writes shortcuts: never into the real home
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }
    void registerCheque(const QString &number, const QString &status, const QString &category = QString())
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_Check (NoteNo, Status, NoteTypeName) values (?, ?, ?)"),
                     {number, status, category});
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

    void openedThroughTheLoader()
    {
        registerCheque(QStringLiteral("00012345"), QStringLiteral("空白"));
        TM1Form window;
        ShowLoaderWindow(window);
        if (QTest::currentTestFailed())
            return;
        m_messages->clear();

        window.OpenMenuForm(20065, 0);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        const QList<QMdiSubWindow *> frames = window.mdiArea()->subWindowList();
        QCOMPARE(frames.size(), 1);
        // The screen comes from Print.so: its own copy of the class, so it is looked at through
        // the classes the program shares with the module.
        QWidget *form = frames.first()->widget();
        QCOMPARE(QString::fromLatin1(form->metaObject()->className()), QStringLiteral("TCheckForm"));
        QCOMPARE(form->windowTitle(), QStringLiteral("支票管理"));
        QCOMPARE(form->size(), QSize(743, 440));
        QCOMPARE(form->findChild<QLabel *>(QStringLiteral("TitleLabel"))->text(), QStringLiteral("支票管理"));
        QCOMPARE(window.TabSet1->tabText(window.TabSet1->currentIndex()), QStringLiteral("支票管理"));
        const auto *grid = form->findChild<DataGrid *>(QStringLiteral("SelDBGrid"));
        QVERIFY(grid);
        QCOMPARE(ShownTitles(grid),
                 (QStringList{QStringLiteral("支票号码"), QStringLiteral("银行"), QStringLiteral("购买日期"), QStringLiteral("支付日期"),
                              QStringLiteral("状态"), QStringLiteral("客户"), QStringLiteral("用途"), QStringLiteral("金额")}));
        QCOMPARE(grid->model()->data(grid->model()->index(0, 0)).toString(), QStringLiteral("00012345"));
        QList<QPushButton *> buttons = form->findChildren<QPushButton *>();
        std::sort(buttons.begin(), buttons.end(), [](const QPushButton *a, const QPushButton *b) { return a->x() < b->x(); });
        QStringList shownButtons;
        for (const QPushButton *button : std::as_const(buttons))
            if (button->isVisibleTo(form))
                shownButtons.append(button->text());
        QCOMPARE(shownButtons, (QStringList{QStringLiteral("购买"), QStringLiteral("作废"), QStringLiteral("查询&D)"),
                                            QStringLiteral("删除(&D)"), QStringLiteral("退出(&X)")}));
        QCOMPARE(form->findChild<QPushButton *>(QStringLiteral("DeleteButton"))->toolTip(), QStringLiteral("删除当前内容"));
        QCOMPARE(form->findChild<QPushButton *>(QStringLiteral("ExitButton"))->toolTip(), QStringLiteral("退出当前窗口"));
    }

    void buyABook()
    {
        auto form = std::make_unique<TCheckForm>(nullptr);
        form->show();
        QVERIFY(!form->command(TCheckForm::VoidButton)->isEnabled());

        // Without a first number the dialog stays open; then the book goes in. The banks come
        // from the company book.
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (bSelf, compname, compbankname) values"
                                            " (1, '本公司', '工商银行'), (0, '甲', '建设银行'), (0, '乙', '工商银行'), (0, '丙', ' ')"));
        QStringList shownWhileOpen;
        {
            ModalWatch<TgetBuyCheckForm> watch([&](TgetBuyCheckForm *dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("输入支票购买信息"));
                QCOMPARE(dialog->countBox()->value(), 25);
                QCOMPARE(dialog->countBox()->minimum(), 1);
                QCOMPARE(dialog->countBox()->maximum(), 200);
                QCOMPARE(dialog->buyDateBox()->date(), QDate::currentDate());
                QStringList banks;
                for (int i = 0; i < dialog->bankBox()->count(); ++i)
                    banks.append(dialog->bankBox()->itemText(i));
                QCOMPARE(banks, (QStringList{QStringLiteral("工商银行"), QStringLiteral("建设银行")}));
                dialog->startNoBox()->setText(QStringLiteral("  "));
                dialog->accept();
                shownWhileOpen = m_messages->texts();
                QVERIFY(dialog->isVisible());
                fillBook(dialog, QStringLiteral(" 00012345 "), 5);
                dialog->accept();
            });
            QTest::mouseClick(form->command(TCheckForm::BuyButton), Qt::LeftButton);
            QCOMPARE(watch.seen(), 1);
        }
        QCOMPARE(shownWhileOpen, QStringList{QStringLiteral("起始号码不能为空")});
        QCOMPARE(m_messages->texts(), shownWhileOpen);
        QCOMPARE(form->master()->recordCount(), 5);
        QCOMPARE(form->master()->fieldByName(QStringLiteral("NoteNo"))->asString(), QStringLiteral("00012349"));
        QVERIFY(form->command(TCheckForm::VoidButton)->isEnabled());
        QCOMPARE(stored(QStringLiteral("select group_concat(NoteNo, ','), min(BankName), min(BuyDate), min(Status) from p_Check")),
                 QStringLiteral("00012345,00012346,00012347,00012348,00012349|工商银行|2024-03-01|空白"));

        // A second book over the same numbers is refused whole; cancelling asks nothing.
        m_messages->clear();
        {
            ModalWatch<TgetBuyCheckForm> watch([](TgetBuyCheckForm *dialog) {
                fillBook(dialog, QStringLiteral("00012340"), 10);
                dialog->accept();
            });
            QTest::mouseClick(form->command(TCheckForm::BuyButton), Qt::LeftButton);
        }
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("支票号码00012345已存在,不能再导入")});
        {
            ModalWatch<TgetBuyCheckForm> watch([](TgetBuyCheckForm *dialog) { dialog->reject(); });
            QTest::mouseClick(form->command(TCheckForm::BuyButton), Qt::LeftButton);
        }
        QCOMPARE(m_messages->shown().size(), 1);
        QCOMPARE(stored(QStringLiteral("select count(*) from p_Check")), QStringLiteral("5"));
    }

    // 购买 as the clerk does it: the numbers of the book, or the number reading's error and
    // nothing written.
    void bookNumbersThroughTheScreen_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("stored");
        QTest::newRow("998 grows a digit") << QStringLiteral("AB998") << 3 << QStringList() << QStringLiteral("AB998,AB999,AB1000");
        QTest::newRow("12345") << QStringLiteral("12345") << 5 << QStringList() << QStringLiteral("12345,12346,12347,12348,12349");
        QTest::newRow("5 is padded") << QStringLiteral("5") << 3 << QStringList() << QStringLiteral("005,006,007");
        QTest::newRow("not digits") << QStringLiteral("AB12X") << 3 << QStringList{QStringLiteral("“12X”不是有效的整数")}
                                    << QString();
    }
    void bookNumbersThroughTheScreen()
    {
        QFETCH(QString, start);
        QFETCH(int, count);
        QFETCH(QString, stored);
        auto form = std::make_unique<TCheckForm>(nullptr);
        form->show();
        {
            ModalWatch<TgetBuyCheckForm> watch([&](TgetBuyCheckForm *dialog) {
                fillBook(dialog, start, count);
                for (QAbstractButton *button : dialog->findChild<QDialogButtonBox *>()->buttons())
                    if (button->text() == QStringLiteral("确定"))
                        QTest::mouseClick(button, Qt::LeftButton);
            });
            QTest::mouseClick(form->command(TCheckForm::BuyButton), Qt::LeftButton);
            QCOMPARE(watch.seen(), 1);
        }
        QTEST(m_messages->texts(), "messages");
        QCOMPARE(this->stored(QStringLiteral("select group_concat(NoteNo, ',') from (select NoteNo from p_Check order by id)")), stored);
        QStringList shown;
        for (int row = 0; row < form->grid()->model()->rowCount(); ++row)
            shown.append(form->grid()->model()->index(row, 0).data().toString());
        QCOMPARE(shown.join(u','), stored);
    }

    void voidAndDelete_data()
    {
        QTest::addColumn<QString>("status");
        QTest::newRow("blank") << QStringLiteral("空白");
        QTest::newRow("printed") << QStringLiteral("打印");
    }
    void voidAndDelete()
    {
        QFETCH(QString, status);
        registerCheque(QStringLiteral("00012345"), status);
        registerCheque(QStringLiteral("00012346"), QStringLiteral("空白"));
        auto form = std::make_unique<TCheckForm>(nullptr);
        form->show();

        m_messages->answer(QMessageBox::No);
        QTest::mouseClick(form->command(TCheckForm::VoidButton), Qt::LeftButton);
        QTest::mouseClick(form->command(TCheckForm::VoidButton), Qt::LeftButton);
        QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("确认作废?"), QStringLiteral("确认作废?")}));
        QCOMPARE(stored(QStringLiteral("select Status from p_Check where NoteNo = '00012345'")), QStringLiteral("作废"));
        QCOMPARE(form->master()->state(), DataSet::State::Browse);
        QCOMPARE(form->master()->fieldByName(QStringLiteral("Status"))->asString(), QStringLiteral("作废"));

        // Rows bought meanwhile show after 查询.
        registerCheque(QStringLiteral("00012347"), QStringLiteral("空白"));
        QTest::mouseClick(form->command(TCheckForm::QueryButton), Qt::LeftButton);
        QCOMPARE(form->master()->recordCount(), 3);

        m_messages->clear();
        QVERIFY(form->master()->locate(QStringLiteral("NoteNo"), QStringLiteral("00012346")));
        m_messages->answer(QMessageBox::No);
        QTest::mouseClick(form->button(TListEditForm::DeleteButton), Qt::LeftButton);
        QTest::mouseClick(form->button(TListEditForm::DeleteButton), Qt::LeftButton);
        QCOMPARE(m_messages->texts(), (QStringList{QStringLiteral("确认删除"), QStringLiteral("确认删除")}));
        QCOMPARE(stored(QStringLiteral("select group_concat(NoteNo || ':' || Status, ',') from p_Check")),
                 QStringLiteral("00012345:作废,00012347:空白"));
    }

    void doubleClickOpensTheBill()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType) values"
                                            " ('1234567', '工行支票', '工行', '支票')"));
        registerCheque(QStringLiteral("00012345"), QStringLiteral("空白"));
        registerCheque(QStringLiteral("00012346"), QStringLiteral("打印"), QStringLiteral("工行"));
        const qint64 printedId = SelTableIntValue(CurAdo, QStringLiteral("select id from p_Check where NoteNo = '00012346'"));
        MessageRecorder mainWindow;
        MainWindowsHand = mainWindow.Handle();
        auto form = std::make_unique<TCheckForm>(nullptr);
        form->show();
        const auto doubleClickRow = [&](int row) { DoubleClickCell(form->grid(), form->grid()->model()->index(row, 0)); };

        doubleClickRow(0); // a blank cheque has no bill
        QVERIFY(mainWindow.received.isEmpty());
        doubleClickRow(1);
        QCOMPARE(mainWindow.received.size(), 1);
        const WindowMessage &sent = mainWindow.received.first();
        QVERIFY(IsMessage(sent, MsgOpenForm));
        QCOMPARE(sent.WParam, 20045);
        const RefNoParam param = UnpackRefNoParam(sent.LParam);
        QCOMPARE(param.refNo, 1234567);
        QCOMPARE(param.rowId, printedId);
        MainWindowsHand = 0;
    }
};

QTEST_MAIN(TestCheckForm)
#include "tst_checkform.moc"
