#include "bills/form/DataSetTavLink.h"

#include "core/convert/AmountRangeError.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DataSource.h"

::DataSource *DataSetTavLink::source() const
{
    return qobject_cast<::DataSource *>(DataSource());
}

DataSet *DataSetTavLink::dataSet() const
{
    ::DataSource *dataSource = source();
    return dataSource ? dataSource->dataSet() : nullptr;
}

DataField *DataSetTavLink::field() const
{
    DataSet *set = dataSet();
    return set && set->isActive() ? set->findField(FieldName()) : nullptr;
}

bool DataSetTavLink::HasActiveField() const
{
    return field() != nullptr;
}

double DataSetTavLink::FieldValue() const
{
    const DataField *bound = field();
    return bound ? bound->asFloat() : 0;
}

void DataSetTavLink::SetFieldValue(double value)
{
    DataField *bound = field();
    if (!bound)
        return;
    try {
        bound->setValue(value);
        m_refused.reset();
    } catch (const AmountRangeError &) {
        // The clerk hears of a refused amount once: written again unchanged (leaving the box,
        // the save handing it over) it stays silent, and the save says why it refuses.
        if (m_refused == value)
            return;
        m_refused = value;
        throw;
    }
}

bool DataSetTavLink::FieldCanModify() const
{
    const DataField *bound = field();
    return bound && !bound->isReadOnly() && dataSet()->canModify();
}

bool DataSetTavLink::DataSetEditing() const
{
    const DataSet *set = dataSet();
    return set && set->isEditing();
}

void DataSetTavLink::EditDataSet()
{
    if (::DataSource *dataSource = source())
        dataSource->edit();
}

void DataSetTavLink::Bind()
{
    for (const QMetaObject::Connection &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    if (m_watched)
        m_watched->unwatchFields(this);
    ::DataSource *dataSource = source();
    m_watched = dataSource;
    if (!dataSource)
        return;
    // Told of writes of its own field only, and of every change of row.
    dataSource->watchField(this, FieldName(), [this](DataField *changed) {
        if (!changed || changed->foldedName() == FieldName().toCaseFolded())
            RecordChanged();
    });
    m_connections = {
        connect(dataSource, &::DataSource::stateChanged, this, [this] { StateChanged(); }),
        // A row about to be written takes what is typed but not yet handed over.
        connect(dataSource, &::DataSource::updatingRecord, this, [this] { UpdateRecord(); }),
    };
}
