#pragma once

#include "tav/TavFieldLink.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>

class DataField;
class DataSet;
class DataSource;

// Ties a digit-cell amount box to one numeric field of a data source's data set: the box shows
// the current row's value and follows moves, writes and state changes; typing puts the data set
// into edit. The data source is the link's DataSource().
class DataSetTavLink : public QObject, public TavFieldLink
{
    Q_OBJECT

public:
    DataSetTavLink() = default;

    bool HasActiveField() const override;
    double FieldValue() const override;
    void SetFieldValue(double value) override;

protected:
    bool FieldCanModify() const override;
    bool DataSetEditing() const override;
    void EditDataSet() override;
    void Bind() override;

private:
    ::DataSource *source() const;
    DataSet *dataSet() const;
    DataField *field() const;

    QList<QMetaObject::Connection> m_connections;
    QPointer<::DataSource> m_watched;
    std::optional<double> m_refused;  // the amount last refused, already told
};
