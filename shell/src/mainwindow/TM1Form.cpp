#include "mainwindow/TM1Form.h"

#include "mainwindow/ModalShow.h"

#include "core/db/AdoFunc.h"
#include "core/errors/CorvaneError.h"
#include "core/globals/ProgramFolder.h"
#include "core/globals/PubDm.h"
#include "core/globals/VendorSite.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"
#include "gui/app/QuilletApplication.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/modules/FormClass.h"
#include "gui/modules/ModuleLoadError.h"
#include "gui/progress/TProcStepForm.h"
#include "mainwindow/MainMenuLayout.h"
#include "mainwindow/MenuDefQueries.h"
#include "mainwindow/VersionPane.h"
#include "network/NetworkReportReader.h"
#include "purge/PurgeData.h"
#include "shortcuts/CreateExeShortcut.h"
#include "version/WebVersionCheck.h"
#include "core/globals/MenuIds.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>

namespace {

const QString kMainPageModule = QStringLiteral("Lumisk.so");
const QString kMainPageClass = QStringLiteral("TLumiskMainForm");
const QString kMainPageCaption = QStringLiteral("主界面");

// The menu bar's colour 12888716 as the platform wrote it: red, green, blue from the low byte up.
const QColor kMenuBarColour(12888716 & 0xFF, (12888716 >> 8) & 0xFF, (12888716 >> 16) & 0xFF);

void restoreCursors()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace

TM1Form::TM1Form(QWidget *parent)
    : QMainWindow(parent), MessageReceiver(this), m_mdiArea(new QMdiArea(this)),
      m_networkReader(new NetworkReportReader(this)), m_versionCheck(new WebVersionCheck(this))
{
    setObjectName(QStringLiteral("M1Form"));
    setWindowTitle(QStringLiteral("Quillet系统"));
    resize(928, 480);
    setCentralWidget(m_mdiArea);
    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *subWindow) {
        if (subWindow && subWindow->widget())
            ChildFormActivate(subWindow->widget());
    });
    connect(m_networkReader, &NetworkReportReader::reported, this,
            [](const QString &message, THandle target, qint64 wParam) {
                SendMessage(target, RegisterWindowMessage(message), wParam, 0);
            });
    connect(m_versionCheck, &WebVersionCheck::finished, this, &TM1Form::ShowVersionResult);

    MainWindowsHand = Handle();
    FmSysMain = this;
    const QString program = QCoreApplication::applicationFilePath();
    CreateExeShortcut(program, QStringLiteral("Quillet"), QString(), kDesktopFolder);
    CreateExeShortcut(program, QStringLiteral("Quillet"), QString(), kProgramsFolder);
}

TM1Form::~TM1Form()
{
    // The screens go with their modules while this window is still whole.
    m_mdiArea->disconnect(this);
    if (TabSet1)
        TabSet1->disconnect(this);
    m_modules.unloadAll();
    if (FmSysMain == this)
        FmSysMain = nullptr;
}

void TM1Form::setVisible(bool visible)
{
    if (visible)
        ensureChrome();
    QMainWindow::setVisible(visible);
}

void TM1Form::ensureChrome()
{
    // The menu and the bottom bar are built when the window is first shown: the login dialog,
    // shown while the window is still hidden, does not wait for them.
    if (MainMenu1)
        return;
    buildMainMenu();
    buildBottomBar();
}

void TM1Form::buildMainMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setFont(QFont(QStringLiteral("宋体")));
    MainMenu1->setStyleSheet(QStringLiteral("QMenuBar { background-color: %1; }").arg(kMenuBarColour.name()));
    for (const MainMenuGroup &group : MainMenuLayout()) {
        QMenu *menu = MainMenu1->addMenu(group.caption);
        for (const MainMenuItem &item : group.items) {
            QAction *action = item.command == MenuCommand::Separator ? menu->addSeparator() : menu->addAction(item.caption);
            action->setVisible(!item.hidden);
            if (item.command != MenuCommand::Separator)
                connect(action, &QAction::triggered, this, [this, item] { runMenuItem(item); });
        }
    }
}

void TM1Form::buildBottomBar()
{
    QStatusBar *bar = statusBar();
    bar->setFixedHeight(22);
    bar->setSizeGripEnabled(false);

    TabSet1 = new QTabBar(bar);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setShape(QTabBar::RoundedSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setExpanding(false);
    TabSet1->setDocumentMode(true);
    // The bottom bar is 22 pixels high: the tabs must fit in it with their text.
    TabSet1->setStyleSheet(QStringLiteral("QTabBar::tab { height: 20px; padding: 0px 10px; margin: 0px; }"));
    bar->addWidget(TabSet1, 1);
    connect(TabSet1, &QTabBar::currentChanged, this, &TM1Form::TabSet1Change);

    const auto pane = [bar](const char *name, const QString &text) {
        auto *label = new QLabel(text, bar);
        label->setObjectName(QLatin1String(name));
        label->setContentsMargins(6, 0, 6, 0);
        bar->addPermanentWidget(label);
        return label;
    };
    UserPanel = pane("UserPanel", QString());
    UserPanel->hide();
    VerPanel = pane("VerPanel", QString());
    VerPanel->hide();
    CompanyPanel = pane("CompanyPanel", QStringLiteral("公司"));
    NewVerPane = new VersionPane(QStringLiteral("未连接到网站"), bar);
    NewVerPane->setObjectName(QStringLiteral("NewVerPane"));
    NewVerPane->setMinimumWidth(200);
    bar->addPermanentWidget(NewVerPane);
    connect(NewVerPane, &VersionPane::doubleClicked, this, &TM1Form::NewVerPaneDblClick);
}

void TM1Form::runMenuItem(const MainMenuItem &item)
{
    switch (item.command) {
    case MenuCommand::OpenBill:
        OpenBillByType(item.menuId, item.caption);
        break;
    case MenuCommand::OpenScreen:
        OpenMenuForm(item.menuId, 0);
        break;
    case MenuCommand::PurgeHistory:
        PurgeDataWithConfirmation(CurAdo, true);
        break;
    case MenuCommand::PurgeBaseData:
        PurgeDataWithConfirmation(CurAdo, false);
        break;
    case MenuCommand::Separator:
        break;
    }
}

void TM1Form::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // At the start of the message loop, once the window is on screen: a failure shown while the
    // main page opens then appears over the window.
    QMetaObject::invokeMethod(this, &TM1Form::FormFirstShow, Qt::QueuedConnection);
}

void TM1Form::FormFirstShow()
{
    sApplicationPath = ProgramFolderPath();
    m_menuType = 1;
    OpenPackageForm(kMainPageModule, kMainPageClass, 0, MenuId::MainPage, kMainPageCaption);
    IsNetConnected = false;
    if (!QFileInfo(NetworkReportReader::companionPath()).isFile())
        return;
    m_networkReader->start(Handle());
    restoreCursors();
    unsetCursor();
    VerPanel->setText(QStringLiteral("V") + SelTableStringValue(CurAdo, QStringLiteral("select Version from syspar")));
    UserPanel->setText(sCurUserId);
    CompanyPanel->setText(SelTableStringValue(CurAdo, QStringLiteral("select CompName from Bs_CompSet")));
    QMetaObject::invokeMethod(this, [this] { setWindowState(windowState() | Qt::WindowMaximized); }, Qt::QueuedConnection);
}

void TM1Form::closeEvent(QCloseEvent *event)
{
    // Every screen may refuse (a bill being edited); then the program stays. The main page is
    // asked last, so that a refusal never leaves the user without it.
    QList<QMdiSubWindow *> subWindows = m_mdiArea->subWindowList();
    if (const OpenScreen *mainPage = m_screens.findByCaption(kMainPageCaption); mainPage && mainPage->subWindow) {
        QMdiSubWindow *page = mainPage->subWindow;
        subWindows.removeOne(page);
        subWindows.append(page);
    }
    m_closingScreens = true;
    for (QMdiSubWindow *subWindow : std::as_const(subWindows)) {
        if (!subWindow->close()) {
            m_closingScreens = false;
            // The screen that refused comes forward, so that the user sees what to finish.
            m_mdiArea->setActiveSubWindow(subWindow);
            event->ignore();
            return;
        }
    }
    m_closingScreens = false;
    CurAdo.close();
    m_modules.unloadAll();
    restoreCursors();
    QMainWindow::closeEvent(event);
}

void TM1Form::OpenMenuForm(qint64 menuId, qint64 param)
{
    OpenPackageForm(GetMenuPackage(CurAdo, m_menuType, menuId), GetMenuFormName(CurAdo, m_menuType, menuId), param,
                    menuId, GetMenuCaption(CurAdo, m_menuType, menuId));
}

void TM1Form::OpenBillByType(qint64 menuId, const QString &billType)
{
    OpenMenuForm(menuId, PackRefNoParam(DefaultTemplateRefNo(CurAdo, billType)));
}

void TM1Form::OpenPackageForm(const QString &moduleFile, const QString &formName, qint64 param, qint64 menuId,
                              const QString &caption)
{
    ensureChrome();
    std::optional<OpenScreen> screen;
    if (const OpenScreen *open = m_screens.findByCaption(caption))
        screen = *open;
    iCurCreateMod = static_cast<int>(menuId);
    if (!screen)
        screen = createScreen(moduleFile, formName, caption);
    if (screen)
        showScreen(*screen, param);
}

bool TM1Form::loadModule(const QString &moduleFile)
{
    if (m_modules.find(moduleFile))
        return true;
    QString failure;
    {
        TProcStepForm progress(this);
        progress.SetMax(1);
        progress.StartShow();
        progress.IncStep(QStringLiteral("数据包加载"));
        try {
            m_modules.load(moduleFile);
        } catch (const ModuleLoadError &error) {
            failure = error.message();
        }
        progress.EndShow();
    }
    if (failure.isEmpty())
        return true;
    ShowMsgHint(failure);
    return false;
}

QWidget *TM1Form::createForm(const FormClass &formClass)
{
    // A form that fails to build shows its own error, as any uncaught error would.
    try {
        return formClass.create(formClass.windowKind() == WindowKind::ChildWindow ? nullptr : this);
    } catch (const CorvaneError &error) {
        QuilletApplication::showUncaughtError(error.message());
    } catch (const std::exception &error) {
        QuilletApplication::showUncaughtError(QString::fromUtf8(error.what()));
    }
    return nullptr;
}

std::optional<OpenScreen> TM1Form::createScreen(const QString &moduleFile, const QString &formName, const QString &caption)
{
    if (!loadModule(moduleFile))
        return std::nullopt;
    const FormClass *formClass = nullptr;
    try {
        formClass = &m_modules.formClass(moduleFile, formName);
    } catch (const ModuleLoadError &error) {
        ShowMsgHint(error.message());
        return std::nullopt;
    }
    QWidget *form = createForm(*formClass);
    if (!form)
        return std::nullopt;

    OpenScreen screen;
    screen.form = form;
    screen.identity = form;
    screen.handle = HandleOf(form);
    screen.caption = caption;
    screen.kind = formClass->windowKind();
    // Closing frees the form unless the form itself refuses; the entry and tab go with it.
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &QObject::destroyed, this, [this](QObject *gone) { ChildFormClose(gone); });
    form->setWindowTitle(caption);
    if (screen.kind == WindowKind::ChildWindow) {
        screen.subWindow = m_mdiArea->addSubWindow(form);
    } else {
        if (!form->isWindow())
            form->setWindowFlag(Qt::Window);
        form->installEventFilter(this);
    }

    sCurOpenWindowscaption = caption;
    SendMessage(screen.handle, RegisterWindowMessage(MsgGetWinCaption), 0, 0);
    if (!screen.form)
        return std::nullopt;
    m_screens.append(screen);
    m_tabSelectEnabled = false;
    const auto enableTabSelect = qScopeGuard([this] { m_tabSelectEnabled = true; });
    const int tab = TabSet1->addTab(caption);
    TabSet1->setTabData(tab, screen.handle);
    TabSet1->setCurrentIndex(tab);
    return screen;
}

void TM1Form::showScreen(const OpenScreen &screen, qint64 param)
{
    if (!screen.form)
        return;
    if (screen.kind == WindowKind::ChildWindow) {
        if (!screen.subWindow)
            return;
        screen.subWindow->show();
        m_mdiArea->setActiveSubWindow(screen.subWindow);
        screen.subWindow->raise();
        SendMessage(screen.handle, RegisterWindowMessage(MsgOpenRefNo), 0, param);
    } else if (!screen.form->isVisible()) {
        // A dialog opens over the main window, not wherever the window system puts it.
        screen.form->move(frameGeometry().center() - screen.form->rect().center());
        if (auto *dialog = qobject_cast<QDialog *>(screen.form.data()))
            dialog->exec();
        else
            ShowModal(screen.form);
    }
}

void TM1Form::ChildFormClose(const QObject *form)
{
    const std::optional<OpenScreen> removed = m_screens.remove(form);
    if (!removed)
        return;
    m_tabSelectEnabled = false;
    const auto enableTabSelect = qScopeGuard([this] { m_tabSelectEnabled = true; });
    for (int i = TabSet1->count() - 1; i >= 0; --i)
        if (TabSet1->tabData(i).toLongLong() == removed->handle)
            TabSet1->removeTab(i);
    if (removed->subWindow)
        removed->subWindow->deleteLater();
}

void TM1Form::ChildFormActivate(QWidget *form)
{
    if (m_closingScreens)
        return;
    const OpenScreen *listed = m_screens.findByForm(form);
    if (!listed)
        return;
    const OpenScreen screen = *listed;
    if (screen.subWindow && QString::fromLatin1(form->metaObject()->className()).toUpper() == QLatin1String("TLUMISKMAINFORM")
        && !screen.subWindow->isMaximized())
        screen.subWindow->showMaximized();
    SendMessage(screen.handle, RegisterWindowMessage(MsgOnFormActive), 0, 0);
    if (!m_activateSyncEnabled)
        return;
    m_tabSelectEnabled = false;
    const auto enableTabSelect = qScopeGuard([this] { m_tabSelectEnabled = true; });
    selectTabOf(screen.handle);
}

void TM1Form::selectTabOf(THandle handle)
{
    for (int i = 0; i < TabSet1->count(); ++i)
        if (TabSet1->tabData(i).toLongLong() == handle)
            TabSet1->setCurrentIndex(i);
}

void TM1Form::TabSet1Change(int index)
{
    if (!m_tabSelectEnabled || index < 0)
        return;
    m_activateSyncEnabled = false;
    const auto enableActivateSync = qScopeGuard([this] { m_activateSyncEnabled = true; });
    const OpenScreen *listed = m_screens.findByHandle(TabSet1->tabData(index).toLongLong());
    if (!listed)
        return;
    const OpenScreen screen = *listed;
    if (screen.subWindow) {
        if (screen.subWindow->isMinimized())
            screen.subWindow->showNormal();
        else
            screen.subWindow->show();
        m_mdiArea->setActiveSubWindow(screen.subWindow);
        screen.subWindow->raise();
    } else {
        screen.form->raise();
        screen.form->activateWindow();
    }
    if (screen.form)
        screen.form->setFocus();
}

bool TM1Form::eventFilter(QObject *watched, QEvent *event)
{
    // Dialogs are windows of their own; child windows report activation through the frame.
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType())
        ChildFormActivate(static_cast<QWidget *>(watched));
    return QMainWindow::eventFilter(watched, event);
}

void TM1Form::WndProc(const WindowMessage &message)
{
    ensureChrome();
    if (IsMessage(message, MsgOpenForm)) {
        OpenMenuForm(message.WParam, message.LParam);
    } else if (IsMessage(message, MsgGetChildWindowCount)) {
        bool mainPageListed = false;
        for (int i = 0; i < TabSet1->count(); ++i)
            mainPageListed = mainPageListed || TabSet1->tabText(i) == kMainPageCaption;
        iChildWindowCount = TabSet1->count() - (mainPageListed ? 1 : 0);
    } else if (IsMessage(message, MsgCloseSystem)) {
        close();
    } else if (IsMessage(message, MsgToggleMenu)) {
        MainMenu1->setVisible(MainMenu1->isHidden());
    } else if (IsMessage(message, MsgNetworkCheck)) {
        NetworkReport(message.WParam);
    }
    // "RefreshMainMenu": the menu is fixed, there is nothing to refresh.
    MessageReceiver::WndProc(message);
}

void TM1Form::NetworkReport(qint64 wParam)
{
    if (wParam != 1) {
        NewVerPane->setText(QStringLiteral("未检测新版本"));
        return;
    }
    IsNetConnected = true;
    PostMessage(MainUIWindowsHand, RegisterWindowMessage(MsgNetworkUp), 0, 0);
    m_versionCheck->start();
}

void TM1Form::ShowVersionResult(bool ok, const WebVersionInfo &info)
{
    if (!ok || !CurAdo.isOpen())
        return;
    const QString local = SelTableStringValue(CurAdo, QStringLiteral("select Version from syspar")).trimmed();
    const VersionPaneState state = DecideVersionPane(info, local);
    NewVerPane->setText(state.text);
    NewVerPane->setTag(state.tag);
    NewVerPane->setToolTip(state.text);
}

void TM1Form::NewVerPaneDblClick()
{
    DesktopOpener::open(VendorUrl(NewVerPane->tag() >= 2 ? QStringLiteral("/cs.aspx") : QStringLiteral("/cs_file.aspx")));
}
