#include "BuiltFolders.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "gui/IconListView.h"
#include "mainwindow/TM1Form.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTabBar>
#include <QtTest>

namespace {

// RefNos beyond 16 and 32 bits: a message that cut them would open another format.
const qint64 kChequeA = 5000000123;
const qint64 kChequeB = 5000000124;
const qint64 kExpress = 70001;

QStringList moduleLog()
{
    return qApp->property("fakeModuleLog").toStringList();
}

QStringList tabTexts(const QTabBar *tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts.append(tabs->tabText(i));
    return texts;
}

QStringList openRefNoLog()
{
    return moduleLog().filter(QStringLiteral(" OpenRefNo "));
}

QString openRefNoEntry(const QString &caption, qint64 refNo)
{
    return QStringLiteral("%1 OpenRefNo 0 %2").arg(caption).arg(PackRefNoParam(refNo));
}

// The page is the module's own class: the test reaches it through the widgets it is made of.
QListWidget *iconList(QWidget *page)
{
    return page->findChild<QListWidget *>(QStringLiteral("ListView1"));
}

QStringList iconCaptions(QWidget *page)
{
    QStringList captions;
    for (int row = 0; row < iconList(page)->count(); ++row)
        captions.append(iconList(page)->item(row)->text());
    return captions;
}

qint64 selectedRefNo(QWidget *page)
{
    const QList<QListWidgetItem *> selected = iconList(page)->selectedItems();
    return selected.isEmpty() ? 0 : selected.constFirst()->data(IconListView::RefNoRole).toLongLong();
}

QListWidgetItem *itemOf(QWidget *page, qint64 refNo)
{
    for (int row = 0; row < iconList(page)->count(); ++row)
        if (iconList(page)->item(row)->data(IconListView::RefNoRole).toLongLong() == refNo)
            return iconList(page)->item(row);
    return nullptr;
}

// A tab or top-bar button by its caption, which it also shows as its tip.
QWidget *pageButton(QWidget *page, const char *className, const QString &caption)
{
    for (QWidget *child : page->findChildren<QWidget *>())
        if (QLatin1String(child->metaObject()->className()) == QLatin1String(className) && child->toolTip() == caption)
            return child;
    return nullptr;
}

} // namespace

// The main page as the program opens it: the real module, created by the main window at its
// first showing, with the bill screens played by the fake module.
class TestMainPage : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    QTemporaryDir m_modules;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    QWidget *openMainWindow()
    {
        m_window = std::make_unique<TM1Form>();
        m_window->moduleLoader().setFolder(m_modules.path());
        m_window->show();
        if (!QTest::qWaitFor([this] { return m_window->openScreens().size() == 1; }))
            return nullptr;
        m_messages->clear();
        return m_window->openScreens().screens().constFirst().form.data();
    }

    void closeMainWindow()
    {
        QVERIFY(m_window->close());
        m_window.reset();
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The page's module beside the fake one that stands in for the bill screens.
        for (const QString &module : {BuiltProgramFolder() + QStringLiteral("/Lumisk.so"),
                                      BuildFolder() + QStringLiteral("/tests/modules/FakeModule.so")})
            QVERIFY2(QFile::copy(module, m_modules.filePath(QFileInfo(module).fileName())), qPrintable(module));
    }

    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        m_messages = std::make_unique<MessageScript>();
        qApp->setProperty("fakeModuleLog", QStringList());
        sCurUserId = QStringLiteral("admin");
        ExecTmpQuery(CurAdo, QStringLiteral("update s_MenuDef set Package = 'FakeModule.so', FormName = 'TFakeChildForm'"
                                            " where MenuId in (20035, 20045, 20055, 20095, 20135)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, \"default\", DefNote) values"
                                            " (?, '工行转账支票', '工行支票', '支票', '是', 1),"
                                            " (?, '工行现金支票', '工行支票', '支票', '否', 1),"
                                            " (?, '顺丰速运', '顺丰快递单', '快递单', '是', 0)"),
                     {QString::number(kChequeA), QString::number(kChequeB), QString::number(kExpress)});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values"
                                            " ('admin', 1, ?, '工行支票'), ('admin', 6, ?, '顺丰快递单')"),
                     {kChequeA, kExpress});
        ExecTmpQuery(CurAdo, QStringLiteral("update Bs_User set LastTab = 1 where UserId = 'admin'"));
    }

    void cleanup()
    {
        m_window.reset();
        m_messages.reset();
        m_folder.reset();
        IsNetConnected = false;
    }

    void opensAsTheFirstChildOnTheLastTab()
    {
        QWidget *page = openMainWindow();
        QVERIFY(page);
        QCOMPARE(QLatin1String(page->metaObject()->className()), QLatin1String("TLumiskMainForm"));
        QCOMPARE(m_window->openScreens().screens().constFirst().caption, QStringLiteral("主界面"));
        QCOMPARE(m_window->TabSet1->tabText(0), QStringLiteral("主界面"));
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(MainUIWindowsHand, HandleOf(page));
        QTRY_VERIFY(m_window->mdiArea()->subWindowList().constFirst()->isMaximized());
        // Without a frame of its own, nothing of it lands in the main window's menu bar.
        QTRY_VERIFY(m_window->mdiArea()->subWindowList().constFirst()->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!m_window->MainMenu1->cornerWidget(Qt::TopLeftCorner) || !m_window->MainMenu1->cornerWidget(Qt::TopLeftCorner)->isVisible());

        for (const QString &tab : SqliteShellRows(m_folder->databasePath(), QStringLiteral("select Caption from s_uiTab where Visible <> 0")))
            QVERIFY2(pageButton(page, "TabButton", tab), qPrintable(tab));
        // Two formats in the category, the default one among them.
        QCOMPARE(iconCaptions(page), QStringList{QStringLiteral("工行支票(2)\n(默认单据)")});
        QVERIFY(m_messages->shown().isEmpty());
    }

    void doubleClickOpensTheBillWithItsWholeRefNo()
    {
        QWidget *page = openMainWindow();
        QVERIFY(page);
        QListWidgetItem *item = itemOf(page, kChequeA);
        QVERIFY(item);
        const QPoint centre = iconList(page)->visualItemRect(item).center();
        QTest::mouseClick(iconList(page)->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(iconList(page)->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(openRefNoLog(), QStringList{openRefNoEntry(QStringLiteral("打印录入界面"), kChequeA)});

        // Enter on the selected icon opens it as well.
        QTest::keyClick(iconList(page), Qt::Key_Return);
        QCOMPARE(openRefNoLog().size(), 2);
        QVERIFY(m_messages->shown().isEmpty());
    }

    void exitPostsTheCloseRequest()
    {
        QWidget *page = openMainWindow();
        QVERIFY(page);
        QPointer<QWidget> watched(page);
        QTest::mouseClick(pageButton(page, "TopBarButton", QStringLiteral("退出")), Qt::LeftButton);
        // Posted: the main window is still there when the button returns.
        QVERIFY(m_window->isVisible());
        QTRY_VERIFY(!m_window->isVisible());
        QTRY_VERIFY(watched.isNull());
        QVERIFY(!CurAdo.isOpen());
    }

    void refusedExitKeepsTheMainPage_data()
    {
        QTest::addColumn<bool>("throughTheMenuBar");
        QTest::newRow("退出 on the page") << false;
        QTest::newRow("closing the main window") << true;
    }

    void refusedExitKeepsTheMainPage()
    {
        QFETCH(bool, throughTheMenuBar);
        QWidget *page = openMainWindow();
        QVERIFY(page);
        QPointer<QWidget> watched(page);
        // A bill being edited: its screen refuses to close.
        SendMessage(MainWindowsHand, RegisterWindowMessage(MsgOpenForm), 20045, 0);
        QCOMPARE(m_window->openScreens().size(), 2);
        QPointer<QWidget> bill = m_window->openScreens().screens().at(1).form.data();
        bill->setProperty("refuseClose", true);
        // The page's own first showing has settled; the clerk goes back to the main page.
        QTest::qWait(50);
        QTest::mouseClick(m_window->TabSet1, Qt::LeftButton, {}, m_window->TabSet1->tabRect(0).center());
        QCOMPARE(m_window->mdiArea()->activeSubWindow()->widget(), page);
        const auto exit = [&] {
            if (throughTheMenuBar)
                m_window->close();
            else
                QTest::mouseClick(pageButton(page, "TopBarButton", QStringLiteral("退出")), Qt::LeftButton);
        };

        exit();
        QTest::qWait(50);
        QVERIFY(m_window->isVisible());
        QVERIFY(CurAdo.isOpen());
        QVERIFY(watched);
        QVERIFY(bill);
        QCOMPARE(tabTexts(m_window->TabSet1), (QStringList{QStringLiteral("主界面"), QStringLiteral("打印录入界面")}));
        QCOMPARE(MainUIWindowsHand, HandleOf(page));
        QVERIFY(m_window->mdiArea()->subWindowList().constFirst()->isVisible());
        // The screen that refused is in front; the page, brought back by its tab, still works.
        QCOMPARE(m_window->mdiArea()->activeSubWindow()->widget(), bill.data());
        QCOMPARE(m_window->TabSet1->currentIndex(), 1);
        QTest::mouseClick(m_window->TabSet1, Qt::LeftButton, {}, m_window->TabSet1->tabRect(0).center());
        QCOMPARE(m_window->mdiArea()->activeSubWindow()->widget(), page);
        QListWidgetItem *item = itemOf(page, kChequeA);
        QVERIFY(item);
        const QPoint centre = iconList(page)->visualItemRect(item).center();
        QTest::mouseClick(iconList(page)->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(iconList(page)->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(openRefNoLog().last(), openRefNoEntry(QStringLiteral("打印录入界面"), kChequeA));

        // Once the bill is saved, the same exit ends the program, the page with it.
        bill->setProperty("refuseClose", false);
        exit();
        QTRY_VERIFY(!m_window->isVisible());
        QTRY_VERIFY(watched.isNull());
        QVERIFY(!CurAdo.isOpen());
    }

    void lastTabIsKeptPerUserButNotForSearchResults()
    {
        QWidget *page = openMainWindow();
        QVERIFY(page);
        QTest::mouseClick(pageButton(page, "TabButton", QStringLiteral("快递单")), Qt::LeftButton);
        QCOMPARE(iconCaptions(page), QStringList{QStringLiteral("顺丰快递单")});
        QCOMPARE(stored(QStringLiteral("select LastTab from Bs_User where UserId = 'admin'")), QStringLiteral("6"));

        auto *search = page->findChild<QLineEdit *>(QStringLiteral("SearchEdit"));
        search->setText(QStringLiteral("工行"));
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(iconCaptions(page), QStringList{QStringLiteral("工行支票(2)\n(默认单据)")});
        QCOMPARE(stored(QStringLiteral("select TabNo from s_ui where ModId = %1 order by TabNo").arg(kChequeA)), QStringLiteral("1\n9"));
        closeMainWindow();
        QCOMPARE(stored(QStringLiteral("select LastTab from Bs_User where UserId = 'admin'")), QStringLiteral("6"));

        m_folder->openDatabase();
        page = openMainWindow();
        QVERIFY(page);
        QCOMPARE(iconCaptions(page), QStringList{QStringLiteral("顺丰快递单")});
    }

    void refreshMessageReloadsAndSelects()
    {
        QWidget *page = openMainWindow();
        QVERIFY(page);
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set NoteNameType = '工行现金' where RefNo = ?"), {QString::number(kChequeB)});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values ('1111', 1, ?, '工行现金')"), {kChequeB});
        SendMessage(MainUIWindowsHand, RegisterWindowMessage(MsgRefreshMainPage), 0, kChequeB);
        QCOMPARE(iconCaptions(page), QStringList({QStringLiteral("工行支票\n(默认单据)"), QStringLiteral("工行现金\n(默认单据)")}));
        QCOMPARE(selectedRefNo(page), kChequeB);
        QVERIFY(page->findChild<QWidget *>(QStringLiteral("PicPanel"))->isVisible());
        QVERIFY(!page->findChild<QWidget *>(QStringLiteral("WebBrowser1"))->isVisible());

        iconList(page)->clearSelection();
        QVERIFY(page->findChild<QWidget *>(QStringLiteral("WebBrowser1"))->isVisible());
    }

    void messagesToThePage()
    {
        QWidget *page = openMainWindow();
        QVERIFY(page);
        QPointer<QWidget> watched(page);
        SendMessage(MainUIWindowsHand, RegisterWindowMessage(MsgMainPagePopupMenu), 20095, 0);
        QCOMPARE(openRefNoLog(), QStringList{openRefNoEntry(QStringLiteral("公司资料设置"), 0)});
        SendMessage(MainUIWindowsHand, RegisterWindowMessage(MsgCloseForm), 0, 0);
        QTRY_VERIFY(watched.isNull());
        QCOMPARE(m_window->TabSet1->count(), 1); // the bill screen's tab stays
        QCOMPARE(MainUIWindowsHand, NoWindow);
    }
};

QTEST_MAIN(TestMainPage)
#include "tst_mainpage.moc"
