#pragma once

#include "gui/dataaware/FieldLink.h"

class QButtonGroup;

// A group of option buttons whose ids are 0, 1, 2 ...: the field holds the chosen button's id
// as text ("0", "1", ...); a value that names no button leaves every button unchosen.
class RadioGroupLink : public FieldLink
{
    Q_OBJECT

public:
    RadioGroupLink(QButtonGroup *group, DataSource *source, const QString &fieldName);

protected:
    void showValue(const DataField *field) override;
    void setControlReadOnly(bool readOnly) override;

private:
    QButtonGroup *m_group;
};
