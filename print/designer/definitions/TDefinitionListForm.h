#pragma once

#include "gui/listedit/TListEditForm.h"

class QLabel;

// A definition list opened from the menu as a dialog: a centred title above the grid, modal
// while open, and the rows read again after every save and cancel.
class TDefinitionListForm : public TListEditForm
{
    Q_OBJECT

public:
    TDefinitionListForm(const QString &title, QWidget *owner);
    QLabel *titleLabel() const { return m_title; }

protected:
    void afterSave() override;
    void afterCancel() override;

private:
    QLabel *m_title;
};
