#pragma once

#include "gui/dataaware/FieldLink.h"

class QCheckBox;

// A check box. A yes/no field takes true or false; any other field takes the checked or
// unchecked text ("1" and "0" unless set), and shows checked when it holds the checked text.
class CheckBoxLink : public FieldLink
{
    Q_OBJECT

public:
    CheckBoxLink(QCheckBox *box, DataSource *source, const QString &fieldName);
    void setValues(const QString &checked, const QString &unchecked);

protected:
    void showValue(const DataField *field) override;
    void setControlReadOnly(bool readOnly) override;

private:
    QCheckBox *m_box;
    QString m_checked = QStringLiteral("1");
    QString m_unchecked = QStringLiteral("0");
};
