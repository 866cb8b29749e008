#pragma once

#include "MessageScript.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include <QStringList>

#include <memory>

class TM1Form;
class QWidget;

// The main window over the real modules of the build's program folder, shown as after a login
// of "admin", on a fresh copy of the shipped database; boxes are answered by messages.
class FundoraWindow
{
public:
    FundoraWindow();
    ~FundoraWindow();

    TM1Form &window() { return *m_window; }
    // Opens the screen by menu id through the loader; the form shown under the caption.
    QWidget *open(int menuId, const QString &caption);
    // The rows of a query read from the database file by the sqlite3 shell, one text.
    QString stored(const QString &sql) const;

    TestProgramFolder folder;
    MessageScript messages;

private:
    std::unique_ptr<TM1Form> m_window;
};
