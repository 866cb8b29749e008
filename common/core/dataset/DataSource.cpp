#include "core/dataset/DataSource.h"

#include "core/dataset/DataField.h"

#include <algorithm>

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
        connect(m_dataSet, &DataSet::dataChanged, this, &DataSource::tellDataChanged);
    }
    Q_EMIT stateChanged(m_dataSet ? m_dataSet->state() : DataSet::State::Inactive);
    tellDataChanged(nullptr);
}

void DataSource::watchField(QObject *watcher, const QString &fieldName, std::function<void(DataField *)> changed)
{
    // Under both spellings, as DataSet::findField finds a field under either.
    QStringList keys{fieldName.toCaseFolded()};
    if (fieldName.trimmed() != fieldName)
        keys.append(fieldName.trimmed().toCaseFolded());
    const bool known = std::any_of(m_watchers.cbegin(), m_watchers.cend(),
                                   [watcher](const std::shared_ptr<Watcher> &entry) { return entry->watcher == watcher; });
    auto entry = std::make_shared<Watcher>(Watcher{watcher, keys, std::move(changed)});
    m_watchers.append(entry);
    for (const QString &key : std::as_const(entry->keys))
        m_watchersByField[key].append(entry);
    if (!known)
        connect(watcher, &QObject::destroyed, this, [this, watcher] { unwatchFields(watcher); });
}

void DataSource::unwatchFields(QObject *watcher)
{
    for (auto it = m_watchers.begin(); it != m_watchers.end();) {
        if ((*it)->watcher != watcher && (*it)->watcher) {
            ++it;
            continue;
        }
        for (const QString &key : std::as_const((*it)->keys)) {
            QList<std::shared_ptr<Watcher>> &ofField = m_watchersByField[key];
            ofField.removeAll(*it);
            if (ofField.isEmpty())
                m_watchersByField.remove(key);
        }
        it = m_watchers.erase(it);
    }
}

void DataSource::tellDataChanged(DataField *field)
{
    // A copy: a watcher may add or drop watchers.
    const QList<std::shared_ptr<Watcher>> told = field ? m_watchersByField.value(field->foldedName()) : m_watchers;
    const QPointer<DataField> alive(field);
    for (const std::shared_ptr<Watcher> &entry : told) {
        if (field && !alive)
            break;
        if (entry->watcher && entry->changed)
            entry->changed(field);
    }
    if (field && !alive)
        return;
    Q_EMIT dataChanged(field);
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
