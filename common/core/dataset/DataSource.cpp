#include "core/dataset/DataSource.h"

#include "core/dataset/DataField.h"

DataSource::DataSource(DataSet *dataSet, QObject *parent) : QObject(parent)
{
    setDataSet(dataSet);
}

DataSource::~DataSource()
{
    if (m_dataSet)
        m_dataSet->m_sources.removeAll(QPointer<DataSource>(this));
}

void DataSource::setDataSet(DataSet *dataSet)
{
    if (m_dataSet == dataSet)
        return;
    if (m_dataSet) {
        disconnect(m_dataSet, nullptr, this, nullptr);
        m_dataSet->m_sources.removeAll(QPointer<DataSource>(this));
    }
    m_dataSet = dataSet;
    if (m_dataSet) {
        m_dataSet->m_sources.append(QPointer<DataSource>(this));
        connect(m_dataSet, &DataSet::stateChanged, this, &DataSource::stateChanged);
        connect(m_dataSet, &DataSet::dataChanged, this, &DataSource::dataChanged);
    }
    Q_EMIT stateChanged(m_dataSet ? m_dataSet->state() : DataSet::State::Inactive);
    Q_EMIT dataChanged(nullptr);
}

void DataSource::setBrowseReadOnly(bool readOnly)
{
    m_browseReadOnly = readOnly;
    Q_EMIT stateChanged(m_dataSet ? m_dataSet->state() : DataSet::State::Inactive);
}

bool DataSource::edit()
{
    if (!m_dataSet || !m_dataSet->canModify())
        return false;
    if (m_dataSet->isEditing())
        return true;
    return m_autoEdit && m_dataSet->edit();
}

bool DataSource::isWritable(const DataField *field) const
{
    if (!m_dataSet || !field || !m_dataSet->canModify() || field->isReadOnly())
        return false;
    return m_dataSet->isEditing() || (m_autoEdit && !m_browseReadOnly);
}

bool DataSource::updateData()
{
    m_updateRefused = false;
    Q_EMIT updatingRecord();
    if (m_updateRefused)
        return false;
    return !m_onUpdateData || m_onUpdateData();
}
