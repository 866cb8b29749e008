#include "gui/dataaware/DateEditLink.h"

#include "core/dataset/DataField.h"
#include "gui/dataaware/NullableDateEdit.h"

DateEditLink::DateEditLink(NullableDateEdit *edit, DataSource *source, const QString &fieldName)
    : FieldLink(edit, source, fieldName), m_edit(edit)
{
    connect(edit, &NullableDateEdit::userChanged, this, [this] {
        const QDate date = m_edit->dateOrNull();
        userChanged(date.isValid() ? QVariant(date) : QVariant());
    });
    refresh();
}

void DateEditLink::showValue(const DataField *field)
{
    m_edit->setDateOrNull(field ? field->asDate() : QDate());
}

void DateEditLink::setControlReadOnly(bool readOnly)
{
    m_edit->setReadOnly(readOnly);
}
