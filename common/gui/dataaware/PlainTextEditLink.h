#pragma once

#include "gui/dataaware/FieldLink.h"

class QPlainTextEdit;

// A multi-line text edit; every change by the user writes the field.
class PlainTextEditLink : public FieldLink
{
    Q_OBJECT

public:
    PlainTextEditLink(QPlainTextEdit *edit, DataSource *source, const QString &fieldName);

protected:
    void showValue(const DataField *field) override;
    void setControlReadOnly(bool readOnly) override;

private:
    QPlainTextEdit *m_edit;
};
