#pragma once

#include "core/dataset/FieldKind.h"
#include "core/money/Currency.h"

#include <QDateTime>
#include <QObject>
#include <QVariant>

class DataSet;

// One column of a data set. Values are those of the data set's current row; writing needs the
// data set in edit or insert state. Fields are made by the data set when it opens and are kept
// across a reopen for every column that is still there, with their labels, formats and tags.
class DataField : public QObject
{
    Q_OBJECT

public:
    DataSet *dataSet() const;
    const QString &name() const { return m_name; }
    // The name case-folded, made once: the key under which look-ups that ignore letter case
    // find the field without folding at every look-up.
    const QString &foldedName() const { return m_foldedName; }
    FieldKind kind() const { return m_kind; }
    int index() const { return m_index; }

    // Where the column comes from; empty for an expression column, which is always read-only.
    const QString &originColumn() const { return m_originColumn; }
    bool isKey() const { return m_key; }
    bool isIdentity() const { return m_identity; }  // the table's INTEGER PRIMARY KEY

    QString displayLabel() const { return m_label.isEmpty() ? m_name : m_label; }
    bool hasDisplayLabel() const { return !m_label.isEmpty(); }
    void setDisplayLabel(const QString &label);
    const QString &displayFormat() const { return m_displayFormat; }
    void setDisplayFormat(const QString &format);
    bool isReadOnly() const { return m_readOnly || m_calculated || m_identity; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    QVariant value() const;
    bool isNull() const { return value().isNull(); }
    QString asString() const;
    qint64 asInteger() const;
    double asFloat() const;
    Currency asCurrency() const;
    QDate asDate() const;
    QDateTime asDateTime() const;
    bool asBoolean() const;
    QString displayText() const;

    // Converts the value to the field's kind; raises CorvaneError when it cannot, when the field
    // is read-only or when the data set is not editing.
    void setValue(const QVariant &value);
    void clear() { setValue(QVariant()); }

Q_SIGNALS:
    // The value of the current row was written (also by a handler of another change).
    void changed();
    // Label, format or visibility changed: views rebuild their columns.
    void layoutChanged();

private:
    friend class DataSet;
    DataField(DataSet *dataSet, const QString &name);

    void setName(const QString &name);

    QString m_name;
    QString m_foldedName;
    FieldKind m_kind = FieldKind::Text;
    int m_index = -1;
    QString m_originColumn;
    bool m_calculated = false;
    bool m_key = false;
    bool m_identity = false;
    QString m_label;
    QString m_displayFormat;
    bool m_readOnly = false;
    bool m_visible = true;
    int m_tag = 0;
    // Change notification in progress, and written again meanwhile.
    bool m_notifying = false;
    bool m_changedAgain = false;
};
