#include "gui/dataaware/FieldLink.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"
#include "core/errors/CorvaneError.h"

FieldLink::FieldLink(QObject *control, DataSource *source, const QString &fieldName)
    : QObject(control), m_source(source), m_fieldName(fieldName)
{
    // Told of writes of its own field only, and of every change of row.
    if (source)
        source->watchField(this, fieldName, [this](DataField *changed) { onDataChanged(changed); });
    connect(source, &DataSource::stateChanged, this, &FieldLink::refresh);
    connect(source, &DataSource::updatingRecord, this, [this] { writePending(); });
}

DataSource *FieldLink::source() const
{
    return m_source;
}

DataField *FieldLink::field() const
{
    DataSet *set = m_source ? m_source->dataSet() : nullptr;
    return set && set->isActive() ? set->findField(m_fieldName) : nullptr;
}

void FieldLink::refresh()
{
    const DataField *current = field();
    m_showing = true;
    // While the user's change puts the set into edit, the control keeps what was typed.
    if (!m_userChanging)
        showValue(current);
    setControlReadOnly(!m_source || !m_source->isWritable(current));
    m_showing = false;
}

void FieldLink::onDataChanged(DataField *changed)
{
    // The control already shows what it is writing.
    if (m_writing && changed && changed == field())
        return;
    if (!changed || changed == field())
        refresh();
}

bool FieldLink::startUserEdit()
{
    const DataField *target = field();
    m_userChanging = true;
    const bool editing = target && m_source && !target->isReadOnly() && m_source->edit();
    m_userChanging = false;
    if (!editing)
        refresh();
    return editing;
}

bool FieldLink::userChanged(const QVariant &value)
{
    DataField *target = field();
    if (!startUserEdit())
        return false;
    m_writing = true;
    try {
        target->setValue(value);
    } catch (const CorvaneError &) {
        // Not (yet) a value of the field, e.g. a lone "-" typed into an amount.
        m_writing = false;
        return false;
    }
    m_writing = false;
    return true;
}
