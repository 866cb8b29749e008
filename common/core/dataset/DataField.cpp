#include "core/dataset/DataField.h"

#include "core/dataset/DataSet.h"
#include "core/dataset/DisplayFormat.h"
#include "core/dataset/FieldValue.h"

namespace {

template <typename T>
T converted(FieldKind target, const QVariant &value, T fallback)
{
    const auto result = fieldValueFromInput(target, value);
    return result && !result->isNull() ? result->template value<T>() : fallback;
}

} // namespace

DataField::DataField(DataSet *dataSet, const QString &name) : QObject(dataSet)
{
    setName(name);
}

void DataField::setName(const QString &name)
{
    m_name = name;
    m_foldedName = name.toCaseFolded();
}

DataSet *DataField::dataSet() const
{
    return static_cast<DataSet *>(parent());
}

void DataField::setDisplayLabel(const QString &label)
{
    m_label = label;
    Q_EMIT layoutChanged();
}

void DataField::setDisplayFormat(const QString &format)
{
    m_displayFormat = format;
    Q_EMIT layoutChanged();
}

void DataField::setVisible(bool visible)
{
    m_visible = visible;
    Q_EMIT layoutChanged();
}

QVariant DataField::value() const
{
    return dataSet()->value(dataSet()->recNo() - 1, this);
}

QString DataField::asString() const
{
    return fieldValueText(m_kind, value());
}

qint64 DataField::asInteger() const
{
    return converted<qint64>(FieldKind::Integer, value(), 0);
}

double DataField::asFloat() const
{
    return converted<double>(FieldKind::Float, value(), 0.0);
}

Currency DataField::asCurrency() const
{
    return converted<Currency>(FieldKind::Currency, value(), Currency());
}

QDate DataField::asDate() const
{
    return converted<QDate>(FieldKind::Date, value(), QDate());
}

QDateTime DataField::asDateTime() const
{
    return converted<QDateTime>(FieldKind::DateTime, value(), QDateTime());
}

bool DataField::asBoolean() const
{
    return converted<bool>(FieldKind::Boolean, value(), false);
}

QString DataField::displayText() const
{
    return formatDisplay(m_kind, value(), m_displayFormat);
}

void DataField::setValue(const QVariant &value)
{
    dataSet()->writeField(this, value);
}
