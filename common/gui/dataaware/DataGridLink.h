#pragma once

#include <QObject>

class DataSet;
class DataSetTableModel;
class QTableView;

// Shows a data set in a table view through a DataSetTableModel and keeps the view's current
// row and the data set's current row the same both ways. Belongs to the view.
class DataGridLink : public QObject
{
    Q_OBJECT

public:
    DataGridLink(QTableView *view, DataSet *dataSet);
    DataSetTableModel *model() const { return m_model; }

private:
    void showCurrentRow(int row);

    QTableView *m_view;
    DataSetTableModel *m_model;
    bool m_following = false;
};
