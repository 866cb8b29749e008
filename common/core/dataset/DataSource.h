#pragma once

#include "core/dataset/DataSet.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class DataField;

// Links one data set to the controls of a screen. Every bound control listens here; the screen
// adds its own handlers for state changes, data changes and the update-data check before a
// row is written.
class DataSource : public QObject
{
    Q_OBJECT

public:
    explicit DataSource(DataSet *dataSet = nullptr, QObject *parent = nullptr);
    ~DataSource() override;

    void setDataSet(DataSet *dataSet);
    DataSet *dataSet() const { return m_dataSet; }

    // Typing into a control puts the data set into edit (default on).
    void setAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }
    bool autoEdit() const { return m_autoEdit; }
    // Controls accept input only while the data set is editing (default off).
    void setBrowseReadOnly(bool readOnly);
    bool browseReadOnly() const { return m_browseReadOnly; }
    // Runs when a row is about to be written, after the controls have handed over their text;
    // false refuses the write and the row stays in edit.
    void setOnUpdateData(std::function<bool()> handler) { m_onUpdateData = std::move(handler); }

    // What a control calls when the user starts changing a value: true when the data set is
    // (now) editing; false when it is closed, read-only, not auto-editing or the edit was refused.
    bool edit();
    // Whether a control bound to the field may take input now.
    bool isWritable(const DataField *field) const;
    // What a control calls while the row is being handed over (updatingRecord) when what it
    // shows cannot be written: the write is refused and the row stays in edit.
    void refuseUpdate() { m_updateRefused = true; }

    // For bound controls: `changed` runs when the named field (any letter case) is written and
    // when the row or the rows change (nullptr), never for writes of other fields, so a write
    // refreshes only the controls that show that field. Watchers run in the order they were
    // added, before dataChanged is emitted. A watcher that is destroyed is dropped.
    void watchField(QObject *watcher, const QString &fieldName, std::function<void(DataField *)> changed);
    void unwatchFields(QObject *watcher);

Q_SIGNALS:
    void stateChanged(DataSet::State state);
    void dataChanged(DataField *field);  // nullptr: another row, or the rows changed
    void updatingRecord();              // controls: write what is typed but not yet written

private:
    friend class DataSet;
    bool updateData();
    void tellDataChanged(DataField *field);

    struct Watcher
    {
        QPointer<QObject> watcher;
        QStringList keys;  // the field name case-folded, as given and trimmed
        std::function<void(DataField *)> changed;
    };
    // Every watcher in the order added, and the watchers of each field under its key.
    QList<std::shared_ptr<Watcher>> m_watchers;
    QHash<QString, QList<std::shared_ptr<Watcher>>> m_watchersByField;

    QPointer<DataSet> m_dataSet;
    bool m_autoEdit = true;
    bool m_browseReadOnly = false;
    std::function<bool()> m_onUpdateData;
    bool m_updateRefused = false;
};
