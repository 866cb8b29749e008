#pragma once

#include "core/messages/MessageReceiver.h"
#include "gui/modules/ModuleLoader.h"
#include "mainwindow/OpenScreenList.h"

#include <QMainWindow>

class FormClass;
class NetworkReportReader;
class QLabel;
class QMdiArea;
class QMenuBar;
class QTabBar;
class VersionPane;
class WebVersionCheck;
struct MainMenuItem;
struct WebVersionInfo;

// The main window: a multiple-document frame with the main menu, a tab per open screen and the
// status panes. Every screen of the modules is opened here by menu id: its module is loaded once,
// the form is created by its registered class name, and closing it frees it and drops its tab.
// Created hidden before the login; the first showing opens the main page.
class TM1Form : public QMainWindow, public MessageReceiver
{
    Q_OBJECT

public:
    explicit TM1Form(QWidget *parent = nullptr);
    ~TM1Form() override;

    // Opens the screen that s_MenuDef names for the menu id; `param` reaches it as the lParam of
    // "OpenRefNo".
    void OpenMenuForm(qint64 menuId, qint64 param);
    // Re-shows the open screen with that caption, or loads the module and creates the form.
    // Failures are shown ("程序%s加载失败", or the form's own error) and end the opening.
    void OpenPackageForm(const QString &moduleFile, const QString &formName, qint64 param, qint64 menuId,
                         const QString &caption);
    // Opens the menu id with the RefNo of the bill type's default template (0 when there is none).
    void OpenBillByType(qint64 menuId, const QString &billType);

    void WndProc(const WindowMessage &message) override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    ModuleLoader &moduleLoader() { return m_modules; }
    const OpenScreenList &openScreens() const { return m_screens; }
    int menuType() const { return m_menuType; }

    // Built when the window is first shown (or a screen is opened); null before.
    QMenuBar *MainMenu1 = nullptr;
    QTabBar *TabSet1 = nullptr;
    QLabel *UserPanel = nullptr;
    QLabel *VerPanel = nullptr;
    QLabel *CompanyPanel = nullptr;
    VersionPane *NewVerPane = nullptr;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ensureChrome();
    void buildMainMenu();
    void buildBottomBar();
    void runMenuItem(const MainMenuItem &item);
    void FormFirstShow();

    bool loadModule(const QString &moduleFile);
    std::optional<OpenScreen> createScreen(const QString &moduleFile, const QString &formName, const QString &caption);
    QWidget *createForm(const FormClass &formClass);
    void showScreen(const OpenScreen &screen, qint64 param);

    void ChildFormClose(const QObject *form);
    void ChildFormActivate(QWidget *form);
    void TabSet1Change(int index);
    void selectTabOf(THandle handle);

    void NetworkReport(qint64 wParam);
    void ShowVersionResult(bool ok, const WebVersionInfo &info);
    void NewVerPaneDblClick();

    QMdiArea *m_mdiArea;
    NetworkReportReader *m_networkReader;
    WebVersionCheck *m_versionCheck;
    OpenScreenList m_screens;
    int m_menuType = 0;
    bool m_tabSelectEnabled = true;    // cleared while the tab strip is moved by the program
    bool m_activateSyncEnabled = true; // cleared while a tab click brings a screen forward
    bool m_shownOnce = false;
    bool m_closingScreens = false; // screens going one after another activate nothing
    ModuleLoader m_modules;
};
