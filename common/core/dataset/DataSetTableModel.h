#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>

#include "core/dataset/DataField.h"
class DataSet;

// A data set as a table for views: one column per visible field, in field order, headed by
// its display label, cells in the field's display format. Edits go through the data set (so
// its hooks apply), and the current row is shared with it. A long list not counted yet shows
// the rows read so far, grows as the view fetches more, and takes every row once the data set
// knows how many there are.
class DataSetTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit DataSetTableModel(DataSet *dataSet, QObject *parent = nullptr);

    DataSet *dataSet() const;
    DataField *fieldAt(int column) const { return m_columns.value(column); }
    int columnOf(const DataField *field) const;

    int currentRow() const;
    // Moves the data set; false when it refused (a pending row could not be posted).
    bool setCurrentRow(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Titles are the fields' display labels; FieldNameRole gives the field's name.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

Q_SIGNALS:
    void currentRowChanged(int row);

private:
    void reset();
    void beginReset();
    void endReset();
    void rowChangedAt(int row);
    int availableRows() const;
    void growTo(int rows);

    QPointer<DataSet> m_dataSet;
    // Guarded: a reopen with other columns deletes fields before the model is told.
    QList<QPointer<DataField>> m_columns;
    QList<QPointer<DataField>> m_watched;
    int m_rows = 0;
    bool m_resetting = false;
    bool m_changingRow = false;  // between a row's announcement and its report
};
