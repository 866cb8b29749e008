#include "LoaderWindow.h"
#include "FundoraWindow.h"

#include "SqliteShell.h"

#include "core/globals/PubDm.h"
#include "mainwindow/TM1Form.h"

#include <QtTest>

namespace {
// Shortcuts written by the main window go to a home of the test's own.
TemporaryHome &testHome()
{
    static TemporaryHome home;
    return home;
}
}

FundoraWindow::FundoraWindow()
{
    testHome();
    folder.openDatabase();
    sCurUserId = QStringLiteral("admin");
    m_window = std::make_unique<TM1Form>();
    ShowLoaderWindow(*m_window);
    messages.clear();
}

FundoraWindow::~FundoraWindow() = default;

QWidget *FundoraWindow::open(int menuId, const QString &caption)
{
    m_window->OpenMenuForm(menuId, 0);
    const OpenScreen *screen = m_window->openScreens().findByCaption(caption);
    return screen ? screen->form.data() : nullptr;
}

QString FundoraWindow::stored(const QString &sql) const
{
    return SqliteShellRows(folder.databasePath(), sql).join(QLatin1Char('\n'));
}
