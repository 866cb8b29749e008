#pragma once

#include <functional>
#include <memory>

class TLoginForm;
class TM1Form;

// The start of the process, in order: the main window (hidden), then the login dialog, which
// opens the database. `runLogin` shows the dialog and returns its result (QDialog::exec in the
// program; tests answer it). Returns the main window, shown only after a successful login.
struct StartupResult
{
    std::unique_ptr<TM1Form> mainWindow;
    bool loggedIn = false;
};
StartupResult StartQuillet(const std::function<int(TLoginForm &)> &runLogin);

// Runs the program: start-up, then the message loop while the main window is open.
int RunQuillet(int argc, char **argv);
