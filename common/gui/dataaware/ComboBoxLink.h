#pragma once

#include "gui/dataaware/FieldLink.h"

class QComboBox;

// A drop-down list. Editable: the typed or picked text is the value. Not editable: the picked
// item's text is the value, and a value that is not in the list selects nothing.
class ComboBoxLink : public FieldLink
{
    Q_OBJECT

public:
    ComboBoxLink(QComboBox *box, DataSource *source, const QString &fieldName);

protected:
    void showValue(const DataField *field) override;
    void setControlReadOnly(bool readOnly) override;

private:
    QComboBox *m_box;
};
