#pragma once

#include "designer/definitions/TDefinitionListForm.h"

// The editor of the main page's tabs (s_uiTab): number, caption, visibility.
class TUiEditForm : public TDefinitionListForm
{
    Q_OBJECT

public:
    explicit TUiEditForm(QWidget *owner);

protected:
    // A tab is deleted at once; its icons stay in s_ui.
    bool confirmDelete() override { return true; }
};
