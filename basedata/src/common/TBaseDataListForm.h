#pragma once

#include "core/messages/MessageReceiver.h"
#include "gui/listedit/TListEditForm.h"

// A read-only list of a base-data table whose rows are edited in a modal editor: "新增(&N)"
// opens it on a new row, a double-click on the current row; the list is read again when the
// editor closes, and whenever the editor's refresh message arrives it goes to the saved row
// (wParam = its autoid). "删除(&D)" asks "确认删除？" (OK/Cancel) after the screen's own
// refusals; "退出(&X)" closes. 710 x 505; Enter moves on like Tab.
class TBaseDataListForm : public TListEditForm, public MessageReceiver
{
    Q_OBJECT

public:
    // The message is the name of the editor's refresh message.
    TBaseDataListForm(const QString &refreshMessage, QWidget *owner);

    void WndProc(const WindowMessage &message) override;
    // The size the main window gives the screen's frame.
    QSize sizeHint() const override { return {710, 505}; }

protected:
    // Shows the editor modally on the row with that autoid (-1: a new row).
    virtual void openEditor(qint64 autoid) = 0;
    // Why the current row may not be deleted, or empty text.
    virtual QString deleteFault() { return {}; }

    // Opens the list with its amounts showing every stored digit.
    void openList(const QString &sql);

    void newRecord() override;
    bool confirmDelete() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void editCurrent();
    void editAndReread(qint64 autoid);

    QString m_refreshMessage;
};
