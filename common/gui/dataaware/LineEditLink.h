#pragma once

#include "gui/dataaware/FieldLink.h"

class QLineEdit;

// A single-line edit: the display text while it has no focus, the plain value while the user
// types; every keystroke that makes a value of the field writes it.
class LineEditLink : public FieldLink
{
    Q_OBJECT

public:
    LineEditLink(QLineEdit *edit, DataSource *source, const QString &fieldName);

protected:
    void showValue(const DataField *field) override;
    void setControlReadOnly(bool readOnly) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_edit;
};
