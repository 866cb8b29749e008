#pragma once

#include <QStyledItemDelegate>

class DataGrid;

// The cell editor of a grid takes no more characters than the column is declared to hold
// ("varchar(80)": 80), as a line edit with a maximum length takes them; a longer value stored
// earlier is not cut by opening its cell.
class DeclaredLengthDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit DeclaredLengthDelegate(DataGrid *grid);

    void setEditorData(QWidget *editor, const QModelIndex &index) const override;

private:
    DataGrid *m_grid;
};
