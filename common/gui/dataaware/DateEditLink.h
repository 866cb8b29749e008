#pragma once

#include "gui/dataaware/FieldLink.h"

class NullableDateEdit;

// A date edit; an emptied edit stores NULL.
class DateEditLink : public FieldLink
{
    Q_OBJECT

public:
    DateEditLink(NullableDateEdit *edit, DataSource *source, const QString &fieldName);

protected:
    void showValue(const DataField *field) override;
    void setControlReadOnly(bool readOnly) override;

private:
    NullableDateEdit *m_edit;
};
