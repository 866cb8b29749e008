#include "startup/Startup.h"

#include "gui/app/QuilletApplication.h"
#include "login/TLoginForm.h"
#include "mainwindow/TM1Form.h"

StartupResult StartQuillet(const std::function<int(TLoginForm &)> &runLogin)
{
    StartupResult result;
    result.mainWindow = std::make_unique<TM1Form>();
    {
        TLoginForm login;
        result.loggedIn = runLogin(login) == QDialog::Accepted;
    }
    if (result.loggedIn)
        result.mainWindow->show();
    return result;
}

int RunQuillet(int argc, char **argv)
{
    QuilletApplication app(argc, argv);
    QuilletApplication::setApplicationName(QStringLiteral("Quillet"));
    StartupResult started = StartQuillet([](TLoginForm &login) { return login.exec(); });
    if (!started.loggedIn)
        return 0;
    return app.exec();
}
