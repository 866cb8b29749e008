#include "gui/dataaware/DataGridLink.h"

#include "core/dataset/DataSetTableModel.h"

#include <QItemSelectionModel>
#include <QTableView>

DataGridLink::DataGridLink(QTableView *view, DataSet *dataSet)
    : QObject(view), m_view(view), m_model(new DataSetTableModel(dataSet, this))
{
    // While rows come and go the view moves its current cell by itself: that is no choice of
    // the user, and afterwards the view shows the data set's row again. The hold comes before
    // the view's own handlers, the release after them.
    const auto hold = [this] { m_following = true; };
    const auto release = [this] {
        m_following = false;
        showCurrentRow(m_model->currentRow());
    };
    connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, hold);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, hold);
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, hold);
    view->setModel(m_model);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, release);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, release);
    connect(m_model, &QAbstractItemModel::modelReset, this, release);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (!m_following && current.isValid())
            m_model->setCurrentRow(current.row());
    });
    connect(m_model, &DataSetTableModel::currentRowChanged, this, &DataGridLink::showCurrentRow);
    showCurrentRow(m_model->currentRow());
}

void DataGridLink::showCurrentRow(int row)
{
    if (m_following || row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid() && current.row() == row)
        return;
    m_following = true;
    m_view->setCurrentIndex(m_model->index(row, current.isValid() ? current.column() : 0));
    m_following = false;
}
