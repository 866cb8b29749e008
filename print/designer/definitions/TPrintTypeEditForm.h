#pragma once

#include "designer/definitions/TDefinitionListForm.h"

// The editor of the bill kinds (s_PrintType): name, screen number, data tables. A kind that
// templates name keeps its name and its row.
class TPrintTypeEditForm : public TDefinitionListForm
{
    Q_OBJECT

public:
    explicit TPrintTypeEditForm(QWidget *owner);

protected:
    bool checkRequiredFields() override;
    // Deleting asks nothing; only a kind still in use is refused.
    bool confirmDelete() override;
};
