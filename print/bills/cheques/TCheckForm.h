#pragma once

#include "gui/listedit/TListEditForm.h"

class QComboBox;
class QLabel;

// The cheque register (支票管理): one row per bought blank cheque. Books are entered by 购买,
// a cheque is voided or deleted, the list is read again by 查询; a double click opens the
// bill format that printed the cheque. The grid is never edited directly.
class TCheckForm : public TListEditForm
{
    Q_OBJECT

public:
    enum Command { BuyButton, VoidButton, QueryButton };

    explicit TCheckForm(QWidget *owner);

    QPushButton *command(Command which) const { return m_commands.value(which); }
    QLabel *titleLabel() const { return m_title; }
    // The screen's designed size, which its frame takes where the main window leaves room.
    QSize sizeHint() const override { return {743, 440}; }

    void buyCheques();
    void voidCheque();
    void queryCheques();
    // Sends "OpenForm" for the bill form with the format of the cheque's category and the
    // cheque's row; nothing for a cheque that no format has printed.
    void openChequeBill();

protected:
    bool confirmDelete() override;
    void updateControls() override;

private:
    QLabel *m_title;
    QComboBox *m_tableBox;
    QList<QPushButton *> m_commands;
};
