#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

// The tie between a data-bound control and one numeric field of the current record of a data
// set. The data-set layer derives from it; the control only sees this class. The order the
// control relies on: Edit() puts the data set into edit mode before the first change lands,
// UpdateRecord() writes the control's value (through Client::UpdateData) only when it was
// changed, and Reset() makes the control read the field again.
class TavFieldLink
{
public:
    // The bound control.
    class Client
    {
    public:
        virtual void DataChange() = 0;    // read the field again
        virtual void EditingChange() = 0; // Editing() changed
        virtual void UpdateData() = 0;    // write your value with SetFieldValue
    protected:
        ~Client() = default;
    };

    virtual ~TavFieldLink() = default;
    void SetClient(Client *client) { m_client = client; }

    QObject *DataSource() const { return m_source; }
    void SetDataSource(QObject *source);
    QString FieldName() const { return m_fieldName; }
    void SetFieldName(const QString &name);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);

    bool CanModify() const { return !m_readOnly && HasActiveField() && FieldCanModify(); }
    // The data set is in edit mode and the field may be changed.
    bool Editing() const { return m_editing; }
    // Puts the data set into edit mode when the field may be changed; returns Editing().
    bool Edit();
    void Modified() { m_modified = true; }
    void Reset() { RecordChanged(); }
    // When modified: the client writes its value. An error of the write passes on and the
    // link stays modified.
    void UpdateRecord();

    // A field found, on an open data set.
    virtual bool HasActiveField() const = 0;
    virtual double FieldValue() const = 0;
    virtual void SetFieldValue(double value) = 0;

protected:
    virtual bool FieldCanModify() const = 0;
    virtual bool DataSetEditing() const = 0;
    virtual void EditDataSet() = 0;
    // The data source or the field name changed: find the field again.
    virtual void Bind() = 0;

    // For the data-set layer: the record moved, was re-read, opened or closed.
    void RecordChanged();
    // For the data-set layer: the data set went into or out of edit mode.
    void StateChanged();

private:
    Client *m_client = nullptr;
    QPointer<QObject> m_source;
    QString m_fieldName;
    bool m_readOnly = false;
    bool m_modified = false;
    bool m_editing = false;
};
