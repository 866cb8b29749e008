#include "common/TBaseDataListForm.h"

#include "common/ConfirmDeleteBox.h"
#include "common/EnterMovesFocus.h"
#include "common/StoredAmounts.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/messages/WindowMessages.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/grid/DataGrid.h"

#include <QKeyEvent>

TBaseDataListForm::TBaseDataListForm(const QString &refreshMessage, QWidget *owner)
    : TListEditForm(owner), MessageReceiver(this), m_refreshMessage(refreshMessage)
{
    resize(710, 505);
    hideButton(CancelButton);
    hideButton(SaveButton);
    hideButton(EditButton);
    connect(grid(), &QAbstractItemView::doubleClicked, this, [this] { editCurrent(); });
}

void TBaseDataListForm::WndProc(const WindowMessage &message)
{
    if (IsMessage(message, m_refreshMessage) && master()->isActive()) {
        master()->requery();
        master()->locate(QStringLiteral("autoid"), message.WParam);
    }
    MessageReceiver::WndProc(message);
}

void TBaseDataListForm::openList(const QString &sql)
{
    TListEditForm::openList(sql);
    ShowStoredAmounts(*master());
}

void TBaseDataListForm::newRecord()
{
    editAndReread(-1);
}

void TBaseDataListForm::editCurrent()
{
    if (master()->isEmpty())
        return;
    editAndReread(master()->fieldByName(QStringLiteral("autoid"))->asInteger());
}

void TBaseDataListForm::editAndReread(qint64 autoid)
{
    openEditor(autoid);
    master()->requery();
}

bool TBaseDataListForm::confirmDelete()
{
    const QString fault = deleteFault();
    if (!fault.isEmpty()) {
        ShowMsgHint(fault);
        return false;
    }
    return ConfirmDeleteBox();
}

void TBaseDataListForm::keyPressEvent(QKeyEvent *event)
{
    if (EnterMovesFocus(this, event)) {
        focusNextChild();
        return;
    }
    TListEditForm::keyPressEvent(event);
}
