#pragma once

#include "MessageScript.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include "bills/form/TEditNoteForm.h"
#include "mainwindow/TM1Form.h"

#include <memory>

class DataGrid;

// The program as a new user starts it: a fresh program folder with every shipped format, its
// pictures and icons, the main window showing the real main page, message boxes answered.
class ShippedMainPage
{
public:
    ShippedMainPage();
    ~ShippedMainPage();

    TM1Form &window() { return *m_window; }
    MessageScript &messages() { return *m_messages; }
    TestProgramFolder &folder() { return *m_folder; }

    QWidget *mainPage();
    // Brings the main page forward, as its tab does.
    void showMainPage();
    // The kind's tab, then a double-click on its icon; the bill form it opened, or nullptr.
    TEditNoteForm *openFromMainPage(const QString &kind);
    // The history query on the kind's default format; its list of bills.
    DataGrid *openHistory(const QString &kind);
    TEditNoteForm *billForm();

    // The shipped default format's RefNo of a kind.
    qint64 defaultRefNo(const QString &kind) const;
    QString stored(const QString &sql) const;
    QString shownTexts() const;

private:
    TemporaryHome m_home;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;
};
