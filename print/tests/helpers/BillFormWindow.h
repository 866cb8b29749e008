#pragma once

#include "MessageScript.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include "bills/form/TEditNoteForm.h"
#include "mainwindow/TM1Form.h"

#include <QString>

#include <memory>

class QPushButton;

// The main window on a fresh program folder (shipped cheque format and its picture), with the
// message boxes answered, from which tests open the bill form by its menu id as the main page
// does.
class BillFormWindow
{
public:
    static constexpr qint64 kChequeRefNo = 1001;

    BillFormWindow();
    ~BillFormWindow();

    TM1Form &window() { return *m_window; }
    MessageScript &messages() { return *m_messages; }
    TestProgramFolder &folder() { return *m_folder; }

    // Opens the format through menu id 20045; billId goes through iCurOpenAutoid.
    TEditNoteForm &openFormat(qint64 refNo, qint64 billId = 0);
    // A delivery-note format (RefNo 2001, default of its kind) with one header field and a
    // detail grid of 产品编号, 数量, 仓库, 小计 (summed into 合计金额); the goods list knows P1,
    // P2 and P3.
    qint64 addDeliveryNoteFormat();
    // Another format of a category over the cheque's picture and table, with 收款人名称 placed at
    // (x, y); default of its kind when `isDefault`.
    qint64 addChequeLikeFormat(const QString &name, const QString &category, const QString &kind, int x, int y,
                               bool isDefault);

    // Rows of the database as the sqlite3 shell reads them, joined by new lines.
    QString stored(const QString &sql) const;
    // What was shown, for failure messages.
    QString shownTexts() const;

private:
    TemporaryHome m_home;  // the main window writes shortcuts: never into the real home
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;
};

// The bill form among the main window's screens, or nullptr.
TEditNoteForm *OpenBillForm(TM1Form &window);

// A control of the bill form's surface by the field it stands for and its class.
template <class Control>
Control *SurfaceControl(TEditNoteForm &form, const QString &field)
{
    for (Control *candidate : form.page()->findChildren<Control *>(Qt::FindDirectChildrenOnly))
        if (candidate->property("dbFieldName").toString() == field)
            return candidate;
    return nullptr;
}

// Clicks a button as the user does; it must be shown and enabled.
bool ClickButton(QPushButton *button);
