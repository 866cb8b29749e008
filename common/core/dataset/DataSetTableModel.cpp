#include "core/dataset/DataSetTableModel.h"

#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dataset/DisplayFormat.h"
#include "core/dataset/FieldNameRole.h"
#include "core/dataset/FieldValue.h"
#include "core/errors/CorvaneError.h"

DataSetTableModel::DataSetTableModel(DataSet *dataSet, QObject *parent) : QAbstractTableModel(parent), m_dataSet(dataSet)
{
    // The data set announces each change of rows before making it, so the view never sees
    // rows that the model does not report.
    connect(dataSet, &DataSet::rowsAboutToBeReset, this, &DataSetTableModel::beginReset);
    connect(dataSet, &DataSet::rowsReset, this, &DataSetTableModel::endReset);
    // A row beyond the rows shown so far is shown first, so that the change is on a row the view
    // knows of.
    connect(dataSet, &DataSet::rowAboutToBeInserted, this, [this](int row) {
        growTo(row);
        m_changingRow = true;
        beginInsertRows({}, row, row);
    });
    connect(dataSet, &DataSet::rowInserted, this, [this] {
        ++m_rows;
        endInsertRows();
        m_changingRow = false;
    });
    connect(dataSet, &DataSet::rowAboutToBeRemoved, this, [this](int row) {
        growTo(row + 1);
        m_changingRow = true;
        beginRemoveRows({}, row, row);
    });
    connect(dataSet, &DataSet::rowRemoved, this, [this] {
        --m_rows;
        endRemoveRows();
        m_changingRow = false;
    });
    connect(dataSet, &DataSet::rowChanged, this, &DataSetTableModel::rowChangedAt);
    connect(dataSet, &DataSet::afterScroll, this, [this] {
        growTo(currentRow() + 1);
        Q_EMIT currentRowChanged(currentRow());
    });
    connect(dataSet, &DataSet::figuresKnown, this, [this] { growTo(availableRows()); });
    reset();
}

DataSet *DataSetTableModel::dataSet() const
{
    return m_dataSet;
}

void DataSetTableModel::reset()
{
    beginReset();
    endReset();
}

void DataSetTableModel::beginReset()
{
    if (m_resetting)
        return;
    m_resetting = true;
    beginResetModel();
}

void DataSetTableModel::endReset()
{
    beginReset();  // a reset that was not announced
    for (const QPointer<DataField> &field : std::as_const(m_watched))
        if (field)
            disconnect(field, nullptr, this, nullptr);
    m_watched.clear();
    m_columns.clear();
    m_rows = 0;
    if (m_dataSet) {
        for (DataField *field : m_dataSet->fields()) {
            connect(field, &DataField::layoutChanged, this, &DataSetTableModel::reset, Qt::UniqueConnection);
            m_watched.append(field);
            if (field->isVisible())
                m_columns.append(field);
        }
        m_rows = availableRows();
    }
    m_resetting = false;
    // Views fetch more only once every listener has heard of the reset.
    m_changingRow = true;
    endResetModel();
    m_changingRow = false;
    Q_EMIT currentRowChanged(currentRow());
}

void DataSetTableModel::rowChangedAt(int row)
{
    if (row >= 0 && row < m_rows && !m_columns.isEmpty())
        Q_EMIT dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
}

// Rows the model can show without reading further: all of them once they are counted.
int DataSetTableModel::availableRows() const
{
    if (!m_dataSet || !m_dataSet->isActive())
        return 0;
    return m_dataSet->knownRecordCount().value_or(m_dataSet->fetchedCount());
}

void DataSetTableModel::growTo(int rows)
{
    if (m_resetting || m_changingRow || rows <= m_rows)
        return;
    m_changingRow = true;  // a view fetching more meanwhile waits
    beginInsertRows({}, m_rows, rows - 1);
    m_rows = rows;
    endInsertRows();
    m_changingRow = false;
}

bool DataSetTableModel::canFetchMore(const QModelIndex &parent) const
{
    if (parent.isValid() || m_resetting || m_changingRow || !m_dataSet || !m_dataSet->isActive())
        return false;
    return m_rows < availableRows() || m_dataSet->hasUnfetchedRows();
}

void DataSetTableModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    // A page of rows beyond those shown.
    m_dataSet->fetchUpTo(m_rows + 255);
    growTo(availableRows());
}

int DataSetTableModel::columnOf(const DataField *field) const
{
    return int(m_columns.indexOf(const_cast<DataField *>(field)));
}

int DataSetTableModel::currentRow() const
{
    return m_dataSet ? m_dataSet->recNo() - 1 : -1;
}

bool DataSetTableModel::setCurrentRow(int row)
{
    if (!m_dataSet || !m_dataSet->isActive() || row < 0 || row >= m_rows)
        return false;
    if (row == currentRow())
        return true;
    const bool moved = m_dataSet->setRecNo(row + 1);
    if (!moved)
        Q_EMIT currentRowChanged(currentRow());  // the view goes back to the row that stays
    return moved;
}

int DataSetTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DataSetTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DataSetTableModel::data(const QModelIndex &index, int role) const
{
    DataField *field = fieldAt(index.column());
    if (!m_dataSet || !field || m_resetting || !index.isValid() || index.row() >= m_rows)
        return {};
    const QVariant value = m_dataSet->value(index.row(), field);
    const bool boolean = field->kind() == FieldKind::Boolean;
    switch (role) {
    case Qt::DisplayRole:
        return boolean ? QVariant() : QVariant(formatDisplay(field->kind(), value, field->displayFormat()));
    case Qt::EditRole:
        return fieldValueText(field->kind(), value);
    case Qt::CheckStateRole:
        return boolean ? QVariant(value.toBool() ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::TextAlignmentRole:
        return isNumericKind(field->kind()) ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    default:
        return {};
    }
}

QVariant DataSetTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    DataField *field = fieldAt(section);
    if (orientation != Qt::Horizontal || !field || (role != Qt::DisplayRole && role != FieldNameRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    return role == FieldNameRole ? field->name() : field->displayLabel();
}

bool DataSetTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    // A column's title is its field's display label, so exports head their columns alike.
    DataField *field = fieldAt(section);
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || !field)
        return false;
    field->setDisplayLabel(value.toString());
    return true;
}

Qt::ItemFlags DataSetTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    DataField *field = fieldAt(index.column());
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_dataSet && field && m_dataSet->canModify() && !field->isReadOnly())
        flags |= field->kind() == FieldKind::Boolean ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return flags;
}

bool DataSetTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    DataField *field = fieldAt(index.column());
    if (!m_dataSet || !field || !(flags(index) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
        return false;
    if (role != Qt::EditRole && role != Qt::CheckStateRole)
        return false;
    if (!setCurrentRow(index.row()) || !m_dataSet->edit())
        return false;
    try {
        field->setValue(role == Qt::CheckStateRole ? QVariant(value.toInt() == Qt::Checked) : value);
    } catch (const CorvaneError &) {
        return false;  // not a value of the field: the cell keeps the old one
    }
    return true;
}
