#include "gui/dataaware/CheckBoxLink.h"

#include "core/dataset/DataField.h"

#include <QCheckBox>

CheckBoxLink::CheckBoxLink(QCheckBox *box, DataSource *source, const QString &fieldName)
    : FieldLink(box, source, fieldName), m_box(box)
{
    connect(box, &QCheckBox::clicked, this, [this](bool checked) {
        const DataField *target = field();
        if (target && target->kind() == FieldKind::Boolean)
            userChanged(checked);
        else
            userChanged(checked ? m_checked : m_unchecked);
    });
    refresh();
}

void CheckBoxLink::setValues(const QString &checked, const QString &unchecked)
{
    m_checked = checked;
    m_unchecked = unchecked;
    refresh();
}

void CheckBoxLink::showValue(const DataField *field)
{
    bool checked = false;
    if (field)
        checked = field->kind() == FieldKind::Boolean ? field->asBoolean() : field->asString().trimmed() == m_checked;
    m_box->setChecked(checked);
}

void CheckBoxLink::setControlReadOnly(bool readOnly)
{
    m_box->setEnabled(!readOnly);
}
