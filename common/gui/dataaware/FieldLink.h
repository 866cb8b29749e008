#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class DataField;
class DataSource;

// Binds one control to one field of a data source: the control shows the field of the current
// row and follows scrolls and changes; a user change first puts the data set into edit (a
// refused edit shows the field's value again) and then writes the field. The link belongs to
// its control. Subclasses adapt one widget class each.
class FieldLink : public QObject
{
    Q_OBJECT

public:
    // The field is looked up by name on every use, so the link survives the data set being
    // reopened; a name the data set lacks leaves the control empty and read-only.
    FieldLink(QObject *control, DataSource *source, const QString &fieldName);

    DataField *field() const;
    const QString &fieldName() const { return m_fieldName; }
    DataSource *source() const;

protected:
    virtual void showValue(const DataField *field) = 0;  // field is nullptr: show nothing
    virtual void setControlReadOnly(bool readOnly) = 0;
    // Before a row is written: hand over what is typed but not yet written.
    virtual void writePending() {}

    // Shows the field again and applies the read-only rule.
    void refresh();
    // What a subclass calls when the user changed the control: true when the value was written.
    bool userChanged(const QVariant &value);
    // Puts the data set into edit for a user change without writing a value yet: true when
    // the set is (now) editing.
    bool startUserEdit();
    // A change of the control made by the link itself (not by the user).
    bool isShowing() const { return m_showing; }

private:
    void onDataChanged(DataField *field);

    QPointer<DataSource> m_source;
    QString m_fieldName;
    bool m_showing = false;
    bool m_writing = false;
    bool m_userChanging = false;
};
