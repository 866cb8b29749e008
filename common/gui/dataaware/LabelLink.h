#pragma once

#include "gui/dataaware/FieldLink.h"

class QLabel;

// A label that shows the field's display text.
class LabelLink : public FieldLink
{
    Q_OBJECT

public:
    LabelLink(QLabel *label, DataSource *source, const QString &fieldName);

protected:
    void showValue(const DataField *field) override;
    void setControlReadOnly(bool) override {}

private:
    QLabel *m_label;
};
