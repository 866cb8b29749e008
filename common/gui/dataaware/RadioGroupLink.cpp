#include "gui/dataaware/RadioGroupLink.h"

#include "core/dataset/DataField.h"

#include <QAbstractButton>
#include <QButtonGroup>

RadioGroupLink::RadioGroupLink(QButtonGroup *group, DataSource *source, const QString &fieldName)
    : FieldLink(group, source, fieldName), m_group(group)
{
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { userChanged(QString::number(id)); });
    refresh();
}

void RadioGroupLink::showValue(const DataField *field)
{
    bool ok = false;
    const int id = field ? field->asString().trimmed().toInt(&ok) : -1;
    QAbstractButton *chosen = ok ? m_group->button(id) : nullptr;
    if (chosen) {
        chosen->setChecked(true);
        return;
    }
    const bool exclusive = m_group->exclusive();
    m_group->setExclusive(false);
    for (QAbstractButton *button : m_group->buttons())
        button->setChecked(false);
    m_group->setExclusive(exclusive);
}

void RadioGroupLink::setControlReadOnly(bool readOnly)
{
    for (QAbstractButton *button : m_group->buttons())
        button->setEnabled(!readOnly);
}
