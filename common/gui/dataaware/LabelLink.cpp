#include "gui/dataaware/LabelLink.h"

#include "core/dataset/DataField.h"

#include <QLabel>

LabelLink::LabelLink(QLabel *label, DataSource *source, const QString &fieldName)
    : FieldLink(label, source, fieldName), m_label(label)
{
    refresh();
}

void LabelLink::showValue(const DataField *field)
{
    m_label->setText(field ? field->displayText() : QString());
}
