#pragma once

#include "core/globals/WindowHandle.h"

#include <QDialog>
#include <QList>
#include <QSqlDatabase>
#include <QString>

class DataSet;
class DataSource;
class QFormLayout;
class QPushButton;

// The modal editor of one row of a base-data list: the row's fields bound to its own data set
// on the connection it is given, the buttons "新增(&N)", "修改(&M)", "保存(&S)", "取消(&C)",
// "退出(&X)" following the data set's state, and, after each save, the list's refresh message
// sent to the window that opened it (wParam = the saved row's autoid). It stays open after a
// save and cannot be closed while its row is being edited.
class TDetailEditForm : public QDialog
{
    Q_OBJECT

public:
    enum Button { NewButton, EditButton, SaveButton, CancelButton, ExitButton };

    // The message is the name of the registered message sent after a save.
    TDetailEditForm(const QSqlDatabase &db, THandle notifyWindow, const QString &message, QWidget *owner);
    ~TDetailEditForm() override;

    DataSet *data() const { return m_data; }
    QPushButton *button(Button which) const { return m_buttons.value(which); }

    // Opens the row with that autoid (the statement has one '?' for it); -1 starts a new row.
    void openRow(const QString &sql, qint64 autoid);
    // Esc and 退出 are refused while the row is being edited, like closing.
    void reject() override;

protected:
    // A labelled control, bound to the field by the screen and following the state's look.
    void addRow(const QString &label, QWidget *control);
    DataSource *source() const { return m_source; }

    // The refusal of the row about to be written, or empty text to write it.
    virtual QString rowFault() = 0;
    virtual void afterSave() {}

    void closeEvent(QCloseEvent *event) override;

private:
    void newRecord();
    void save();
    void updateControls();
    bool refuseClosing();

    DataSet *m_data;
    DataSource *m_source;
    QFormLayout *m_fields;
    QList<QPushButton *> m_buttons;
    THandle m_notify;
    QString m_message;
};
