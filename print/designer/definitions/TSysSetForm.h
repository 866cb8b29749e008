#pragma once

#include "designer/definitions/TDefinitionListForm.h"

class PickListDelegate;

// The editor of the system switches (bs_ParaList): shipped rows whose values are changed, a
// switch's value chosen from 是 and 否.
class TSysSetForm : public TDefinitionListForm
{
    Q_OBJECT

public:
    explicit TSysSetForm(QWidget *owner);

private:
    void offerValuesOfCurrentRow();

    PickListDelegate *m_values;
};
