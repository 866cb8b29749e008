#pragma once

#include <QWidget>

class DataGrid;
class DataSet;
class QPushButton;

// "下拉选择编辑": the named drop-down lists of p_BaseCode. On the left the list names, on the
// right the values of the chosen list, typed into the grid and stored when the row is left.
// "新增(&N)" adds a value to the chosen list, "删除(&D)" deletes the current value after
// "确认删除？". New list names come with the shipped data; the names are read once.
class TDroplistForm : public QWidget
{
    Q_OBJECT

public:
    explicit TDroplistForm(QWidget *owner);
    ~TDroplistForm() override;
    // The size the main window gives the screen's frame.
    QSize sizeHint() const override { return {710, 505}; }

    DataSet *names() const { return m_names; }
    DataSet *values() const { return m_values; }
    DataGrid *nameGrid() const { return m_nameGrid; }
    DataGrid *valueGrid() const { return m_valueGrid; }
    QPushButton *newButton() const { return m_new; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *exitButton() const { return m_exit; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QVariant currentName() const;
    // Stores a typed value (an untouched new row goes); false when it could not be stored.
    bool storePendingValue();
    void showValuesOfCurrentName();
    void addValue();
    void deleteValue();

    DataSet *m_names;
    DataSet *m_values;
    DataGrid *m_nameGrid;
    DataGrid *m_valueGrid;
    QPushButton *m_new;
    QPushButton *m_delete;
    QPushButton *m_exit;
};
