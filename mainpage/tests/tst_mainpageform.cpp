#include "BuiltFolders.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "ExternalTool.h"
#include "TestProgramFolder.h"
#include "TinyHttpServer.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/MessageReceiver.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowMessages.h"
#include "core/package/PackageFile.h"
#include "data/NoteSearch.h"
#include "gui/dialogs/FolderDialogSeam.h"
#include "gui/IconListView.h"
#include "gui/PicturePanel.h"
#include "gui/TLumiskMainForm.h"
#include "gui/TNoteQueryForm.h"
#include "gui/TabButton.h"
#include "gui/TemplateDrag.h"
#include "gui/TopBarButton.h"
#include "gui/web/VendorPagePanel.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogSeam.h"

#include <QComboBox>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QTimer>
#include <QtTest>

namespace {

const qint64 kChequeA = 5000000123; // beyond 32 bits
const qint64 kChequeB = 5000000124;
const qint64 kExpress = 70001;

struct Received
{
    QString name;
    qint64 wParam;
    qint64 lParam;
    bool operator==(const Received &) const = default;
};

// Stands in for the main window and notes the messages the page sends it.
class RecordingMainWindow : public QObject, public MessageReceiver
{
public:
    RecordingMainWindow() : MessageReceiver(this) {}
    void WndProc(const WindowMessage &m) override
    {
        for (QStringView name : {MsgOpenForm, MsgCloseSystem, MsgToggleMenu})
            if (IsMessage(m, name))
                received.append({name.toString(), m.WParam, m.LParam});
        MessageReceiver::WndProc(m);
    }
    QList<Received> received;
};

Received openForm(qint64 menuId, qint64 refNo)
{
    return {MsgOpenForm.toString(), menuId, PackRefNoParam(refNo)};
}

QStringList iconCaptions(const TLumiskMainForm &page)
{
    QStringList captions;
    for (const UiIcon &icon : page.icons())
        captions.append(icon.caption);
    return captions;
}

TabButton *tabButton(const TLumiskMainForm &page, int tabNo)
{
    for (TabButton *tab : page.tabButtons())
        if (tab->tabNo() == tabNo)
            return tab;
    return nullptr;
}

TopBarButton *topBarButton(const TLumiskMainForm &page, const QString &caption)
{
    for (TopBarButton *button : page.topBarButtons())
        if (button->caption() == caption)
            return button;
    return nullptr;
}

QStringList visibleMenuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        if (action->isVisible())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

void trigger(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text && action->isVisible()) {
            action->trigger();
            return;
        }
    QFAIL(qPrintable(text));
}

} // namespace

// The page on its own, its main window played by a recorder: top bar, tabs, pop-up menu,
// search, the picture panel and the vendor's panel.
class TestMainPageForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<RecordingMainWindow> m_main;
    QList<QUrl> m_opened;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    std::unique_ptr<TLumiskMainForm> openPage()
    {
        auto page = std::make_unique<TLumiskMainForm>(nullptr);
        page->resize(1016, 603);
        page->show();
        return page;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        m_messages = std::make_unique<MessageScript>();
        m_main = std::make_unique<RecordingMainWindow>();
        MainWindowsHand = m_main->Handle();
        m_opened.clear();
        DesktopOpener::setHandler([this](const QUrl &url) {
            m_opened.append(url);
            return true;
        });
        sCurUserId = QStringLiteral("admin");
        IsNetConnected = false;
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, \"default\", DefNote, ImgFile) values"
                                            " (?, '工行转账支票', '工行支票', '支票', '是', 1, 'gh.jpg'),"
                                            " (?, '工行现金支票', '工行支票', '支票', '否', 1, ''),"
                                            " (?, '顺丰速运', '顺丰快递单', '快递单', '是', 0, '')"),
                     {QString::number(kChequeA), QString::number(kChequeB), QString::number(kExpress)});
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values"
                                            " ('admin', 1, ?, '工行支票'), ('admin', 6, ?, '顺丰快递单')"),
                     {kChequeA, kExpress});
        ExecTmpQuery(CurAdo, QStringLiteral("update Bs_User set LastTab = 1"));
        QImage picture(800, 400, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QVERIFY(picture.save(m_folder->file(QStringLiteral("images/gh.jpg")), "JPEG"));
    }

    void cleanup()
    {
        m_main.reset();
        m_messages.reset();
        m_folder.reset();
        DesktopOpener::setHandler({});
        FileDialogSeam::setHandler({});
        FolderDialogSeam::setHandler({});
        IsNetConnected = false;
    }

    // The package's text templates belong to the installation.
    void copyPackageTemplates()
    {
        const QDir shipped(BuiltProgramFolder() + QStringLiteral("/xml"));
        for (const QString &name : shipped.entryList(QDir::Files))
            QVERIFY(QFile::copy(shipped.filePath(name), m_folder->file(QStringLiteral("xml/") + name)));
    }

    void exportEveryFormatOfTheTabToAFolder()
    {
        copyPackageTemplates();
        QTemporaryDir folder;
        FolderDialogSeam::setHandler([&](const QString &) { return folder.path(); });
        auto page = openPage();
        QTest::mouseClick(tabButton(*page, 2), Qt::LeftButton);
        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("导出所有单据格式"));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("导出0个单据")});

        m_messages->clear();
        page->OpenNoteQuery(NoteQuery{QString(), QString(), QString(), QString(), false});
        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("导出所有单据格式"));
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("导出3个单据")});
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        const QString package = QDir(folder.path()).filePath(QStringLiteral("支票_工行转账支票_%1.pnt").arg(today));
        // Made without a password of its own: the key stands in, as unzip confirms.
        const ToolRun listed = runTool(QStringLiteral("unzip"), {QStringLiteral("-P"), EmptyPasswordKey(), QStringLiteral("-t"), package});
        QVERIFY2(listed.exitCode == 0, listed.output.constData());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 3);
    }

    void exportMergedAndImportAgain()
    {
        copyPackageTemplates();
        const QString archive = m_folder->file(QStringLiteral("upload/两个.zip"));
        FileDialogSeam::setHandler([&](const FileDialogRequest &request) {
            return request.kind == FileDialogRequest::Save ? archive : m_folder->file(QStringLiteral("upload/顺丰速运.pnt"));
        });
        auto page = openPage();
        page->OpenNoteQuery(NoteQuery{QStringLiteral("快递单"), QString(), QString(), QString(), false});
        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("导出所有单据(合并)"));
        const ToolRun listed = runPython(QStringLiteral("import sys, zipfile\n"
                                                        "z = zipfile.ZipFile(sys.argv[1])\n"
                                                        "print(len(z.namelist()), all(i.flag_bits & 1 == 0 for i in z.infolist()))"),
                                         {archive});
        QCOMPARE(listed.output.trimmed(), QByteArray("1 True"));

        // The package the merge left in "upload" brings the deleted format back.
        ExecTmpQuery(CurAdo, QStringLiteral("delete from p_NoteList where RefNo = ?"), {QString::number(kExpress)});
        ExecTmpQuery(CurAdo, QStringLiteral("delete from s_ui"));
        QTest::mouseClick(tabButton(*page, 6), Qt::LeftButton);
        QCOMPARE(page->ListView1->count(), 0);
        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("导入单据格式"));
        QCOMPARE(stored(QStringLiteral("select NoteName from p_NoteList where NoteType = '快递单'")), QStringLiteral("顺丰速运"));
        // The kind had no default left: the imported format becomes it.
        QCOMPARE(iconCaptions(*page), QStringList{QStringLiteral("顺丰快递单\n(默认单据)")});
        QVERIFY(!QApplication::overrideCursor());
    }

    // A merged export over an older archive replaces it whole, and leaves the user's other
    // files in the folder alone (also one named like a staging file).
    void exportMergedReplacesTheArchiveWhole()
    {
        copyPackageTemplates();
        const QString archive = m_folder->file(QStringLiteral("upload/两个.zip"));
        const QString neighbour = archive + QStringLiteral(".new");
        const ToolRun made = runPython(QStringLiteral("import sys, zipfile\n"
                                                      "zipfile.ZipFile(sys.argv[1], 'w').writestr('old.txt', 'old')\n"
                                                      "open(sys.argv[2], 'w').write('mine')"),
                                       {archive, neighbour});
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        FileDialogSeam::setHandler([&](const FileDialogRequest &) { return archive; });
        auto page = openPage();
        page->OpenNoteQuery(NoteQuery{QStringLiteral("快递单"), QString(), QString(), QString(), false});
        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("导出所有单据(合并)"));
        const ToolRun listed = runPython(QStringLiteral("import sys, zipfile\n"
                                                        "names = zipfile.ZipFile(sys.argv[1]).namelist()\n"
                                                        "print(len(names), 'old.txt' in names, open(sys.argv[2]).read())"),
                                         {archive, neighbour});
        QCOMPARE(listed.output.trimmed(), QByteArray("1 False mine"));
        QCOMPARE(QDir(m_folder->file(QStringLiteral("upload"))).entryList(QStringList{QStringLiteral(".两个*")}, QDir::Files | QDir::Hidden),
                 QStringList());
    }

    void tabsShowWhichIsCurrent()
    {
        auto page = openPage();
        TabButton *cheques = tabButton(*page, 1);
        TabButton *waybills = tabButton(*page, 6);
        QCOMPARE(cheques->geometry(), QRect(0, 100, 135, 35));
        QCOMPARE(cheques->backgroundColor(), QColor(Qt::white));
        QCOMPARE(cheques->textColor(), QColor(Qt::black));
        QCOMPARE(waybills->backgroundColor(), QColor(0x1E, 0xB6, 0xFF));
        QCOMPARE(waybills->textColor(), QColor(Qt::white));
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(waybills, &enter);
        QCOMPARE(waybills->backgroundColor(), QColor(0xFF, 0xFF, 0x00));
        QTest::mouseClick(waybills, Qt::LeftButton);
        QCOMPARE(page->currentTab(), 6);
        QVERIFY(waybills->isCurrent());
        QVERIFY(!cheques->isCurrent());
        QCOMPARE(iconCaptions(*page), QStringList{QStringLiteral("顺丰快递单")});
    }

    void topBarButtons()
    {
        auto page = openPage();
        for (const char *caption : {"支票", "单位资料", "商品资料", "打印数据", "单据设计", "菜单"})
            QTest::mouseClick(topBarButton(*page, QString::fromUtf8(caption)), Qt::LeftButton);
        page->selectIcon(kChequeA);
        for (const char *caption : {"导入数据", "连续打印", "单据设计"})
            QTest::mouseClick(topBarButton(*page, QString::fromUtf8(caption)), Qt::LeftButton);
        QCOMPARE(m_main->received, QList<Received>({openForm(20045, kChequeA), openForm(20095, 0), openForm(20135, 0),
                                                    openForm(20055, 0), openForm(20035, 0),
                                                    {MsgToggleMenu.toString(), 0, 0}, openForm(20055, kChequeA),
                                                    openForm(20055, kChequeA), openForm(20035, kChequeA)}));
        QVERIFY(m_messages->shown().isEmpty());

        QTest::mouseClick(topBarButton(*page, QStringLiteral("进账单")), Qt::LeftButton);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("没有定义默认的进账单")});
        QCOMPARE(m_messages->shown().constFirst().title, QStringLiteral("提示"));

        QTest::mouseClick(topBarButton(*page, QStringLiteral("Quillet")), Qt::LeftButton);
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.constFirst().path(), QStringLiteral("/"));
    }

    void exitPostsTheCloseRequestAndLeavesClosingToTheMainWindow()
    {
        auto page = openPage().release();
        QPointer<TLumiskMainForm> watched(page);
        page->setAttribute(Qt::WA_DeleteOnClose);
        m_main->received.clear();
        QTest::mouseClick(topBarButton(*page, QStringLiteral("退出")), Qt::LeftButton);
        QVERIFY(m_main->received.isEmpty());
        QTRY_COMPARE(m_main->received, QList<Received>({{MsgCloseSystem.toString(), 0, 0}}));
        // The main window may be refused by a screen: until it closes the page, the page stays.
        QTest::qWait(20);
        QVERIFY(watched);
        QVERIFY(watched->isVisible());
        delete watched.data();
    }

    void popupMenu_data()
    {
        QTest::addColumn<qint64>("selected");
        QTest::addColumn<bool>("searchTab");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("nothing selected") << qint64(0) << false << QStringList({"导入单据格式", "-", "导出所有单据格式"});
        QTest::newRow("nothing selected, search results") << qint64(0) << true << QStringList({"导出所有单据(合并)", "-", "导出所有单据格式"});
        QTest::newRow("a format of a category with two")
            << kChequeA << false
            << QStringList({"设计", "设为常用单据", "设为默认单据", "更换图标(&C)", "删除(&D)", "导出单据格式", "-", "导出所有单据格式", "-",
                            "工行转账支票", "工行现金支票"});
    }
    void popupMenu()
    {
        QFETCH(qint64, selected);
        QFETCH(bool, searchTab);
        QFETCH(QStringList, shown);
        auto page = openPage();
        if (searchTab)
            page->OpenNoteQuery(NoteQuery());
        page->selectIcon(selected);
        page->preparePopupMenu();
        page->preparePopupMenu(); // the format items of the last pop-up go first
        QCOMPARE(visibleMenuTexts(page->PopupMenu1), shown);
        if (selected == 0)
            return;
        trigger(page->PopupMenu1, QStringLiteral("工行现金支票"));
        trigger(page->PopupMenu1, QStringLiteral("设计"));
        QCOMPARE(m_main->received, QList<Received>({openForm(20045, kChequeB), openForm(20035, kChequeA)}));
    }

    void favouritesAndDefault()
    {
        auto page = openPage();
        QTest::mouseClick(tabButton(*page, 6), Qt::LeftButton);
        page->selectIcon(kExpress);
        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("设为默认单据"));
        QCOMPARE(stored(QStringLiteral("select RefNo, DefNote from p_NoteList order by RefNo")),
                 QStringLiteral("5000000123|1\n5000000124|1\n70001|1"));
        QCOMPARE(page->currentTab(), 6);
        QCOMPARE(iconCaptions(*page), QStringList{QStringLiteral("顺丰快递单\n(默认单据)")});
        QCOMPARE(page->ListView1->selectedRefNo(), kExpress);
        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("设为常用单据"));
        QCOMPARE(page->currentTab(), 0);
        QCOMPARE(iconCaptions(*page), QStringList{QStringLiteral("顺丰快递单\n(默认单据)")});
        QCOMPARE(stored(QStringLiteral("select TabNo, ModId, Caption from s_ui where TabNo = 0")), QStringLiteral("0|70001|顺丰快递单"));
    }

    // The question names the category's formats and the bills made with them, which stay.
    void deleteAsksFirst()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set DataTablename = '银行转帐单' where NoteType = '支票'"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 银行转帐单 (NoteName, RefNo) values ('工行转账支票', 'A'), ('工行现金支票', 'B'),"
                                            " ('工行现金支票', 'C'), ('别的支票', 'D')"));
        auto page = openPage();
        page->selectIcon(kChequeA);
        page->preparePopupMenu();
        m_messages->answer(QMessageBox::No);
        trigger(page->PopupMenu1, QStringLiteral("删除(&D)"));
        QCOMPARE(m_messages->shown().constFirst().title, QStringLiteral("确认删除"));
        QCOMPARE(m_messages->lastText(),
                 QStringLiteral("确认删除单据“工行支票”？\n\n将同时删除它的2个单据格式（工行转账支票、工行现金支票）及其字段和底图。"
                                "\n用这些格式填写的3张单据不会删除，仍可在数据查询中查看。"));
        QCOMPARE(page->ListView1->count(), 1);
        QCOMPARE(stored(QStringLiteral("select count(*) from p_NoteList")), QStringLiteral("3"));

        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("删除(&D)"));
        QCOMPARE(page->ListView1->count(), 0);
        QCOMPARE(stored(QStringLiteral("select RefNo from p_NoteList")), QStringLiteral("70001"));
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("images/gh.jpg"))));
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("4"));
    }

    // On the favourites tab only the icon goes: the plain question.
    void deleteOnFavouritesAsksPlainly()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into s_ui (UserId, TabNo, ModId, Caption) values ('admin', 0, ?, '工行支票')"),
                     {kChequeA});
        ExecTmpQuery(CurAdo, QStringLiteral("update Bs_User set LastTab = 0"));
        auto page = openPage();
        QCOMPARE(page->currentTab(), 0);
        page->selectIcon(kChequeA);
        page->preparePopupMenu();
        m_messages->answer(QMessageBox::No);
        trigger(page->PopupMenu1, QStringLiteral("删除(&D)"));
        QCOMPARE(m_messages->lastText(), QStringLiteral("确认删除单据？"));
    }

    void iconChange()
    {
        auto page = openPage();
        const QString file = m_folder->file(QStringLiteral("tmp/new.bmp"));
        QImage picture(50, 50, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(file, "BMP"));
        FileDialogRequest asked;
        FileDialogSeam::setHandler([&](const FileDialogRequest &request) {
            asked = request;
            return file;
        });
        page->selectIcon(kChequeA);
        page->preparePopupMenu();
        trigger(page->PopupMenu1, QStringLiteral("更换图标(&C)"));
        QCOMPARE(asked.defaultExtension, QStringLiteral("bmp"));
        QCOMPARE(page->ListView1->item(0)->icon().pixmap(50, 50).toImage().pixelColor(25, 25), QColor(Qt::red));
        QCOMPARE(stored(QStringLiteral("select MenuId from s_MenuIcon")), QString::number(kChequeA));
    }

    void captionEditedInPlace()
    {
        auto page = openPage();
        QListWidgetItem *item = page->ListView1->item(0);
        page->ListView1->setCurrentItem(item);
        page->ListView1->editItem(item);
        auto *editor = page->ListView1->findChild<QLineEdit *>();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("工行支票"));
        editor->setText(QStringLiteral("工商银行支票"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(item->text(), QStringLiteral("工商银行支票(2)\n(默认单据)"));
        QCOMPARE(stored(QStringLiteral("select Caption from s_ui where TabNo = 1")), QStringLiteral("工商银行支票"));
    }

    void droppingAnIconOnAnotherTab()
    {
        auto page = openPage();
        page->selectIcon(kChequeA);
        const std::unique_ptr<QMimeData> data = TemplateDragData(kChequeA);
        const auto drop = [&](TabButton *tab) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(tab, &enter);
            QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(tab, &dropped);
            return enter.isAccepted();
        };
        QVERIFY(!drop(tabButton(*page, 1)));
        QVERIFY(drop(tabButton(*page, 0)));
        QCOMPARE(page->currentTab(), 1);
        QCOMPARE(stored(QStringLiteral("select TabNo, Caption from s_ui where ModId = %1 order by TabNo").arg(kChequeA)),
                 QStringLiteral("0|工行支票\n1|工行支票"));
    }

    void picturePanelFollowsTheSelection()
    {
        auto page = openPage();
        auto *splitter = page->findChild<QSplitter *>();
        QVERIFY(page->WebPanel->isVisible());
        page->selectIcon(kChequeA);
        QVERIFY(page->PicPanel->isVisible());
        QCOMPARE(page->PicPanel->picture().size(), QSize(800, 400));
        const int height = page->PicPanel->height();
        QCOMPARE(page->PicPanel->pictureRect().size(), QSize(2 * height, height));

        QTest::mousePress(page->PicPanel, Qt::LeftButton);
        QCOMPARE(splitter->sizes().at(1), height + 10);
        QVERIFY(page->PicPanel->stepTimer().isActive());
        QCOMPARE(page->PicPanel->stepTimer().interval(), 200);
        QTest::mouseRelease(page->PicPanel, Qt::LeftButton);
        QVERIFY(!page->PicPanel->stepTimer().isActive());

        splitter->setSizes({splitter->sizes().at(0) + splitter->sizes().at(1) - 35, 35});
        for (int i = 0; i < 3; ++i) {
            QTest::mousePress(page->PicPanel, Qt::RightButton);
            QTest::mouseRelease(page->PicPanel, Qt::RightButton);
        }
        QCOMPARE(splitter->sizes().at(1), 25);

        page->ListView1->clearSelection();
        QVERIFY(page->WebPanel->isVisible());
    }

    void webPanelOnlyWhileTheNetworkIsUp()
    {
        TinyHttpServer server;
        server.setReply(200, "<html><body><p>本周新增单据 12 种</p><img src=\"/logo.png\"></body></html>");
        qputenv("QUILLET_VENDOR_URL", server.url().toUtf8());
        const auto unset = qScopeGuard([] { qunsetenv("QUILLET_VENDOR_URL"); });
        auto page = openPage();
        QCOMPARE(page->WebPanel->reloadTimer().interval(), 300000);
        QVERIFY(page->WebPanel->reloadTimer().isActive());

        SendMessage(page->Handle(), RegisterWindowMessage(MsgNetworkUp), 0, 0);
        QTest::qWait(100);
        QVERIFY(server.request().isEmpty());
        QVERIFY(page->WebPanel->toPlainText().isEmpty());

        IsNetConnected = true;
        QSignalSpy shown(page->WebPanel, &VendorPagePanel::pageShown);
        SendMessage(page->Handle(), RegisterWindowMessage(MsgNetworkUp), 0, 0);
        QVERIFY(shown.wait());
        // Nothing but the page itself is fetched: the picture stays an empty place.
        QCOMPARE(page->WebPanel->toPlainText().remove(QChar::ObjectReplacementCharacter).trimmed(), QStringLiteral("本周新增单据 12 种"));
        const QByteArray request = server.request();
        QVERIFY2(request.startsWith(QByteArrayLiteral("GET /cs/Uifoot.html?w=%1&h=%2 ")
                                        .replace("%1", QByteArray::number(page->WebPanel->width()))
                                        .replace("%2", QByteArray::number(page->WebPanel->height()))),
                 request.constData());
        QCOMPARE(request.count("GET "), 1);
    }

    void searchBoxAndDialog()
    {
        auto page = openPage();
        page->SearchEdit->setText(QStringLiteral("顺丰"));
        QTest::keyClick(page->SearchEdit, Qt::Key_Return);
        QCOMPARE(page->currentTab(), 9);
        QCOMPARE(iconCaptions(*page), QStringList{QStringLiteral("顺丰快递单")});

        QTimer::singleShot(0, this, [] {
            auto *dialog = qobject_cast<TNoteQueryForm *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("单据查询"));
            QCOMPARE(dialog->size(), QSize(298, 212));
            QCOMPARE(dialog->NoteTypeComboBox->currentText(), QString());
            QCOMPARE(dialog->NoteTypeComboBox->count(), 8);
            QVERIFY(dialog->OnlyCheckBox->isChecked());
            dialog->NoteTypeComboBox->setCurrentText(QStringLiteral("支票"));
            dialog->OnlyCheckBox->setChecked(false);
            QTest::mouseClick(dialog->OkButton, Qt::LeftButton);
        });
        QTest::mouseClick(page->SearchButton, Qt::LeftButton);
        QCOMPARE(iconCaptions(*page), QStringList(2, QStringLiteral("工行支票(2)\n(默认单据)")));

        QTest::mouseClick(tabButton(*page, 6), Qt::LeftButton);
        QTimer::singleShot(0, this, [] {
            auto *dialog = qobject_cast<TNoteQueryForm *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
        });
        QTest::mouseClick(page->SearchButton, Qt::LeftButton);
        QCOMPARE(page->currentTab(), 6);
    }
};

QTEST_MAIN(TestMainPageForm)
#include "tst_mainpageform.moc"
