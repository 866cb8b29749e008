#include "BuiltFolders.h"
#include "MessageScript.h"
#include "TestProgramFolder.h"

#include "TemporaryHome.h"
#include "TinyHttpServer.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/MessageReceiver.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/modules/ModulePackage.h"
#include "gui/progress/TProcStepForm.h"
#include "mainwindow/TM1Form.h"
#include "mainwindow/VersionPane.h"
#include "network/NetworkReportReader.h"

#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {

const QString kFake = QStringLiteral("FakeModule.so");

QString fakeFolder()
{
    return BuildFolder() + QStringLiteral("/tests/modules");
}

QStringList moduleLog()
{
    return qApp->property("fakeModuleLog").toStringList();
}

void clearModuleLog()
{
    qApp->setProperty("fakeModuleLog", QStringList());
}

QStringList logLinesWith(const QString &word)
{
    return moduleLog().filter(word);
}

QStringList tabTexts(const QTabBar *tabs)
{
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts.append(tabs->tabText(i));
    return texts;
}

quint32 message(QStringView name)
{
    return RegisterWindowMessage(name);
}

// Records the messages that reach it, in place of the main page.
class RecordingWindow : public QObject, public MessageReceiver
{
public:
    RecordingWindow() : MessageReceiver(this) {}
    void WndProc(const WindowMessage &m) override
    {
        received.append(m.Msg);
        MessageReceiver::WndProc(m);
    }
    QList<quint32> received;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;
    QStringList m_firstShowMessages;

    // The main window over the fake module, shown as after a login.
    void openMainWindow()
    {
        m_window = std::make_unique<TM1Form>();
        m_window->moduleLoader().setFolder(fakeFolder());
        m_window->show();
        QTRY_COMPARE(m_window->menuType(), 1);
        m_firstShowMessages = m_messages->texts();
        m_messages->clear();
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s_MenuDef (MenuType, MenuId, MenuCaption, Package, FormName) values"
                                            " (1, 90001, ' 假窗体 ', 'FakeModule.so', 'TFakeChildForm'),"
                                            " (1, 90002, '假对话框', 'FakeModule.so', 'TFakeDialogForm'),"
                                            " (1, 90003, '坏窗体', 'FakeModule.so', 'TFakeFailingForm'),"
                                            " (1, 90004, '无此类', 'FakeModule.so', 'TNoSuchForm'),"
                                            " (1, 90005, '无此文件', 'NoSuch.so', 'TFakeChildForm'),"
                                            " (1, 90006, '假窗体', 'FakeModule.so', 'TFakeDialogForm'),"
                                            " (2, 90007, '别的菜单', 'FakeModule.so', 'TFakeChildForm')"));
        m_messages = std::make_unique<MessageScript>();
        clearModuleLog();
        sCurUserId = QStringLiteral("admin");
        IsNetConnected = true;
    }

    void cleanup()
    {
        m_window.reset();
        m_messages.reset();
        m_folder.reset();
        MainUIWindowsHand = NoWindow;
        DesktopOpener::setHandler({});
        qunsetenv("QUILLET_VENDOR_URL");
    }

    void creationAndFirstShowWithoutCompanion()
    {
        openMainWindow();
        QCOMPARE(MainWindowsHand, m_window->Handle());
        QCOMPARE(FmSysMain, m_window.get());
        QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("Desktop/Quillet.desktop"))));
        QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("share/applications/Quillet.desktop"))));

        // The main page is not in the fake folder: its failure is shown and the program goes on.
        QCOMPARE(m_firstShowMessages, QStringList{QStringLiteral("程序Lumisk.so加载失败")});
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->menuType(), 1);
        QCOMPARE(sApplicationPath, m_folder->path());
        QVERIFY(!IsNetConnected);
        QCOMPARE(m_window->TabSet1->count(), 0);
        QCOMPARE(m_window->CompanyPanel->text(), QStringLiteral("公司"));
        QCOMPARE(m_window->NewVerPane->text(), QStringLiteral("未连接到网站"));
        QVERIFY(!m_window->UserPanel->isVisibleTo(m_window.get()));
        QVERIFY(!m_window->VerPanel->isVisibleTo(m_window.get()));
        QTest::qWait(50);
        QVERIFY(!m_window->isMaximized());
        QCOMPARE(m_window->size(), QSize(928, 480));
    }

    void reopeningShowsTheSameScreenWithTheNewParameter()
    {
        openMainWindow();
        const qint64 bigRefNo = 5000000123; // beyond 16 and 32 bits
        const qint64 packed = PackRefNoParam(bigRefNo, 3);
        SendMessage(MainWindowsHand, message(MsgOpenForm), 90001, packed);
        m_window->OpenMenuForm(90001, 5);
        m_window->OpenMenuForm(90006, 6); // same caption, other class: the open screen again

        QCOMPARE(m_window->openScreens().size(), 1);
        QCOMPARE(tabTexts(m_window->TabSet1), QStringList{QStringLiteral("假窗体")});
        QCOMPARE(m_window->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(iCurCreateMod, 90006);
        QCOMPARE(sCurOpenWindowscaption, QStringLiteral("假窗体"));
        QCOMPARE(logLinesWith(QStringLiteral("GetWinCaption")), QStringList{QStringLiteral("假窗体 GetWinCaption 0 0")});
        QCOMPARE(logLinesWith(QStringLiteral("OpenRefNo")),
                 QStringList({QStringLiteral("假窗体 OpenRefNo 0 %1").arg(packed), QStringLiteral("假窗体 OpenRefNo 0 5"),
                              QStringLiteral("假窗体 OpenRefNo 0 6")}));
        QCOMPARE(UnpackRefNoParam(packed).refNo, bigRefNo);
        QVERIFY(m_messages->shown().isEmpty());
    }

    void loadFailures_data()
    {
        QTest::addColumn<qint64>("menuId");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("fakeLoaded");
        QTest::newRow("missing module file") << qint64(90005) << "程序NoSuch.so加载失败" << false;
        QTest::newRow("class not registered") << qint64(90004) << "程序FakeModule.so加载失败" << true;
        QTest::newRow("no s_MenuDef row") << qint64(99999) << "程序加载失败" << false;
        QTest::newRow("row of another menu type") << qint64(90007) << "程序加载失败" << false;
    }

    void loadFailures()
    {
        QFETCH(qint64, menuId);
        QFETCH(QString, shown);
        QFETCH(bool, fakeLoaded);
        openMainWindow();
        m_window->OpenMenuForm(menuId, 0);
        QCOMPARE(m_messages->texts(), QStringList{shown});
        QCOMPARE(m_window->openScreens().size(), 0);
        QCOMPARE(m_window->TabSet1->count(), 0);
        QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(m_window->moduleLoader().find(kFake) != nullptr, fakeLoaded);
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TProcStepForm *>(window));
    }

    void failingFormCreationListsNothing()
    {
        openMainWindow();
        m_window->OpenMenuForm(90003, 0);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("假窗体无法创建")});
        QCOMPARE(m_window->openScreens().size(), 0);
        QCOMPARE(m_window->TabSet1->count(), 0);
        QVERIFY(m_window->mdiArea()->subWindowList().isEmpty());
        QVERIFY(m_window->moduleLoader().find(kFake));
        QCOMPARE(m_window->moduleLoader().find(kFake)->liveForms().size(), 0);
    }

    void dialogHasATabOnlyWhileOpen()
    {
        openMainWindow();
        QStringList tabsWhileOpen;
        QPointer<QDialog> dialog;
        QTimer closer;
        closer.setInterval(10);
        connect(&closer, &QTimer::timeout, this, [&] {
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->isVisible() && qobject_cast<QDialog *>(window) && window->windowTitle() == QStringLiteral("假对话框"))
                    dialog = qobject_cast<QDialog *>(window);
            if (!dialog)
                return;
            closer.stop();
            tabsWhileOpen = tabTexts(m_window->TabSet1);
            dialog->reject();
        });
        closer.start();
        m_window->OpenMenuForm(90002, 0);
        QCOMPARE(tabsWhileOpen, QStringList{QStringLiteral("假对话框")});
        QVERIFY(dialog.isNull());
        QCOMPARE(m_window->TabSet1->count(), 0);
        QCOMPARE(m_window->openScreens().size(), 0);
    }

    void closingAScreen()
    {
        openMainWindow();
        m_window->OpenMenuForm(90001, 0);
        QPointer<QWidget> form = m_window->openScreens().screens().first().form;
        QPointer<QMdiSubWindow> subWindow = m_window->mdiArea()->subWindowList().first();
        const THandle handle = HandleOf(form);

        // A screen being edited refuses, and so the program refuses to end.
        form->setProperty("refuseClose", true);
        QVERIFY(!subWindow->close());
        QVERIFY(!m_window->close());
        QTest::qWait(20);
        QVERIFY(form);
        QCOMPARE(tabTexts(m_window->TabSet1), QStringList{QStringLiteral("假窗体")});
        QVERIFY(CurAdo.isOpen());

        form->setProperty("refuseClose", false);
        QVERIFY(subWindow->close());
        QTRY_VERIFY(form.isNull());
        QTRY_VERIFY(subWindow.isNull());
        QCOMPARE(m_window->TabSet1->count(), 0);
        QCOMPARE(m_window->openScreens().size(), 0);
        QVERIFY(m_window->moduleLoader().find(kFake));

        clearModuleLog();
        SendMessage(handle, message(MsgOpenRefNo), 0, 1);
        QVERIFY(moduleLog().isEmpty());

        // Closed by itself, the screen leaves its frame too; opening again makes a new form.
        m_window->OpenMenuForm(90001, 0);
        QPointer<QWidget> second = m_window->openScreens().screens().first().form;
        QVERIFY(HandleOf(second) != handle);
        second->close();
        QTRY_VERIFY(m_window->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(m_window->TabSet1->count(), 0);
    }

    void childWindowCount()
    {
        openMainWindow();
        m_window->OpenPackageForm(kFake, QStringLiteral("TFakeChildForm"), 0, 4330, QStringLiteral("主界面"));
        iChildWindowCount = -1;
        SendMessage(MainWindowsHand, message(MsgGetChildWindowCount), 0, 0);
        QCOMPARE(iChildWindowCount, 0);
        m_window->OpenMenuForm(90001, 0);
        SendMessage(MainWindowsHand, message(MsgGetChildWindowCount), 0, 0);
        QCOMPARE(iChildWindowCount, 1);
    }

    void tabsAndActivationFollowEachOther()
    {
        openMainWindow();
        m_window->OpenPackageForm(kFake, QStringLiteral("TFakeChildForm"), 0, 4330, QStringLiteral("主界面"));
        m_window->OpenMenuForm(90001, 0);
        QCOMPARE(tabTexts(m_window->TabSet1), QStringList({QStringLiteral("主界面"), QStringLiteral("假窗体")}));
        QCOMPARE(m_window->TabSet1->currentIndex(), 1);
        const QList<QMdiSubWindow *> frames = m_window->mdiArea()->subWindowList();

        clearModuleLog();
        QTest::mouseClick(m_window->TabSet1, Qt::LeftButton, {}, m_window->TabSet1->tabRect(0).center());
        QCOMPARE(m_window->mdiArea()->activeSubWindow(), frames.at(0));
        QCOMPARE(logLinesWith(QStringLiteral("ONFORMACTIVE")), QStringList{QStringLiteral("主界面 ONFORMACTIVE 0 0")});

        m_window->mdiArea()->setActiveSubWindow(frames.at(1));
        QCOMPARE(m_window->TabSet1->currentIndex(), 1);
        QCOMPARE(logLinesWith(QStringLiteral("ONFORMACTIVE")).last(), QStringLiteral("假窗体 ONFORMACTIVE 0 0"));
    }

    void exitClosesTheDatabaseThenUnloadsEachModuleOnce()
    {
        openMainWindow();
        m_window->OpenPackageForm(kFake, QStringLiteral("TFakeChildForm"), 0, 4330, QStringLiteral("主界面"));
        m_window->OpenMenuForm(90001, 0);
        clearModuleLog();
        QVERIFY(m_window->close());
        QVERIFY(!CurAdo.isOpen());
        QCOMPARE(m_window->moduleLoader().find(kFake), nullptr);
        QStringList log = moduleLog();
        QCOMPARE(log.size(), 3);
        QCOMPARE(log.takeLast(), QStringLiteral("module unloaded database-open=0"));
        log.sort();
        QCOMPARE(log, QStringList({QStringLiteral("主界面 destroyed database-open=0"), QStringLiteral("假窗体 destroyed database-open=0")}));
        m_window.reset();
        QCOMPARE(moduleLog().size(), 3);
    }

    void menuItemsInOrder()
    {
        openMainWindow();
        QStringList items;
        for (QAction *top : m_window->MainMenu1->actions()) {
            items << QStringLiteral("[%1]").arg(top->text());
            for (QAction *item : top->menu()->actions())
                items << (item->isSeparator() ? QStringLiteral("-") : item->text()) + (item->isVisible() ? "" : " (hidden)");
        }
        const QStringList bills = {"支票", "进账单", "电汇单", "现金缴款单", "托收凭证", "快递单", "送货单", "进仓单"};
        QStringList expected;
        expected << "[单据填开]" << bills << "[历史数据查询]" << bills << "-" << "清除历史数据"
                 << "[基础资料]" << "单位资料" << "商品资料" << "下拉内容编辑" << "支票管理" << "- (hidden)" << "清除基础资料" << "设置 (hidden)"
                 << "[自定义单据]" << "主界面定义" << "单据类别" << "数据表"
                 << "[系统管理]" << "用户管理" << "修改密码" << "备份" << "恢复";
        QCOMPARE(items, expected);
    }

    void menuCommands_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QStringList>("shown");
        const QString table = QStringLiteral("create table p_NoteList (RefNo text, NoteType text, \"default\" text, DefNote integer)");
        QTest::newRow("bill without template table")
            << "单据填开/支票" << QStringList() << QStringList{"打印录入界面 OpenRefNo 0 0"} << QStringList();
        QTest::newRow("bill with its default template")
            << "单据填开/支票"
            << QStringList{table, "insert into p_NoteList values ('70001', '支票', '否', 1), ('70002', '支票', '是', 1),"
                                  " ('70003', '进账单', '是', 1)"}
            << QStringList{"打印录入界面 OpenRefNo 0 70002"} << QStringList();
        QTest::newRow("bill type without a default") << "单据填开/电汇单" << QStringList{table}
                                                     << QStringList{"打印录入界面 OpenRefNo 0 0"} << QStringList();
        QTest::newRow("history of a bill type")
            << "历史数据查询/进账单" << QStringList{table, "insert into p_NoteList values ('70003', '进账单', '是', 1)"}
            << QStringList{"数据查询 OpenRefNo 0 70003"} << QStringList();
        QTest::newRow("screen of a module not built")
            << "基础资料/单位资料" << QStringList() << QStringList() << QStringList{"程序Print.so加载失败"};
        QTest::newRow("purge base data")
            << "基础资料/清除基础资料" << QStringList() << QStringList()
            << QStringList{"删除数据之前最好先备份，是否确认删除？", "删除数据完成"};
    }

    void menuCommands()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, setup);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, shown);
        ExecTmpQuery(CurAdo, QStringLiteral("drop table if exists p_NoteList"));
        ExecTmpQuery(CurAdo, QStringLiteral("update s_MenuDef set Package = 'FakeModule.so', FormName = 'TFakeChildForm'"
                                            " where MenuId in (20045, 20055)"));
        for (const QString &statement : setup)
            ExecTmpQuery(CurAdo, statement);
        openMainWindow();
        const QStringList parts = path.split('/');
        QAction *found = nullptr;
        for (QAction *top : m_window->MainMenu1->actions())
            if (top->text() == parts[0])
                for (QAction *item : top->menu()->actions())
                    if (item->text() == parts[1])
                        found = item;
        QVERIFY(found);
        found->trigger();
        QCOMPARE(logLinesWith(QStringLiteral("OpenRefNo")), opened);
        QCOMPARE(m_messages->texts(), shown);
    }

    void menuBarToggleAndPostedClose()
    {
        openMainWindow();
        SendMessage(MainWindowsHand, message(MsgToggleMenu), 0, 0);
        QVERIFY(m_window->MainMenu1->isHidden());
        SendMessage(MainWindowsHand, message(MsgToggleMenu), 0, 0);
        QVERIFY(!m_window->MainMenu1->isHidden());
        SendMessage(MainWindowsHand, message(MsgRefreshMainMenu), 0, 0);

        PostMessage(MainWindowsHand, message(MsgCloseSystem), 0, 0);
        QVERIFY(m_window->isVisible());
        QTRY_VERIFY(!m_window->isVisible());
        QVERIFY(!CurAdo.isOpen());
    }

    void networkReportAndVersionCheck_data()
    {
        QTest::addColumn<bool>("network");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("page");
        QTest::newRow("newer version") << true << QByteArray("[update]\nVersion=2.10\nNoteCount=35\nUpdatedate=2026-11-30\n")
                                       << "最新版本：2.10,双击下载" << 1 << "/cs_file.aspx";
        QTest::newRow("current version") << true << QByteArray("[update]\nVersion= 2.08 \nNoteCount=35\nUpdatedate=2026-11-30\n")
                                         << "网络单据数:35,更新日期:2026-11-30" << 2 << "/cs.aspx";
        QTest::newRow("unusable version") << true << QByteArray("[other]\nVersion=9\n") << "获取最新版本失败" << 0
                                          << "/cs_file.aspx";
        QTest::newRow("no network") << false << QByteArray() << "未检测新版本" << 0 << "/cs_file.aspx";
    }

    void networkReportAndVersionCheck()
    {
        QFETCH(bool, network);
        QFETCH(QByteArray, reply);
        QFETCH(QString, pane);
        QFETCH(int, tag);
        QFETCH(QString, page);
        TinyHttpServer server;
        server.setReply(200, reply);
        const QString site = network ? server.url() : QStringLiteral("http://127.0.0.1:%1").arg(ClosedLoopbackPort());
        qputenv("QUILLET_VENDOR_URL", site.toUtf8());
        QVERIFY(QFile::copy(BuiltProgramFolder() + QStringLiteral("/Trellum"),
                            NetworkReportReader::companionPath()));
        // The companion finds the library beside it, as in the program folder.
        QVERIFY(QFile::copy(BuiltProgramFolder() + QStringLiteral("/libCorvane.so"),
                            QFileInfo(NetworkReportReader::companionPath()).dir().filePath(QStringLiteral("libCorvane.so"))));
        ExecTmpQuery(CurAdo, QStringLiteral("update bs_compset set CompName = '东方贸易公司'"));
        RecordingWindow mainPage;
        MainUIWindowsHand = mainPage.Handle();

        openMainWindow();
        QCOMPARE(m_window->VerPanel->text(), QStringLiteral("V2.08"));
        QCOMPARE(m_window->UserPanel->text(), QStringLiteral("admin"));
        QCOMPARE(m_window->CompanyPanel->text(), QStringLiteral("东方贸易公司"));
        QTRY_VERIFY(m_window->isMaximized());

        QTRY_COMPARE_WITH_TIMEOUT(m_window->NewVerPane->text(), pane, 15000);
        QCOMPARE(m_window->NewVerPane->tag(), tag);
        QCOMPARE(m_window->NewVerPane->toolTip(), network ? pane : QString());
        QCOMPARE(IsNetConnected, network);
        QCOMPARE(mainPage.received.count(message(MsgNetworkUp)), network ? 1 : 0);
        if (network)
            QVERIFY(server.request().startsWith("GET /cs/version.txt "));

        QList<QUrl> openedPages;
        DesktopOpener::setHandler([&openedPages](const QUrl &url) {
            openedPages.append(url);
            return true;
        });
        QTest::mouseDClick(m_window->NewVerPane, Qt::LeftButton);
        QCOMPARE(openedPages, QList<QUrl>{QUrl(site + page)});
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
