#pragma once

#include <QDialog>

class DataGrid;
class QCheckBox;
class QListWidget;

// "选择表格显示列": one check line per grid column (its title), checked while the column is
// shown; "全选" checks or clears them all. OK applies the choice, Cancel and Esc keep the grid
// as it was.
class TGridDispForm : public QDialog
{
    Q_OBJECT

public:
    explicit TGridDispForm(QWidget *parent = nullptr);

    // Fills the list from the grid, shows the dialog modally and applies the choice on OK.
    bool Enter(DataGrid *grid);

    QListWidget *columnList() const { return m_list; }
    QCheckBox *selectAllBox() const { return m_selectAll; }

private:
    void fill(const DataGrid *grid);
    void apply(DataGrid *grid) const;

    QListWidget *m_list;
    QCheckBox *m_selectAll;
};
