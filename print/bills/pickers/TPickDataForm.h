#pragma once

#include "bills/pickers/PickerCatalog.h"

#include <QDialog>
#include <QSqlDatabase>

class DataGrid;
class DataSet;
class QLineEdit;
class QPushButton;

// The picker dialog "选择": a search box with "查询" above a grid of the picker's rows. Only a
// double-click on a row of a non-empty list closes it with OK; every other way out is cancel.
class TPickDataForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPickDataForm(QWidget *owner);
    ~TPickDataForm() override;

    // Opens the picker's rows (database errors raise before anything is shown), shows its
    // columns and restores the layout saved under caption + "_" + table.
    void openPicker(const QSqlDatabase &db, const Picker &picker, const QStringList &searchFields);

    // The chosen row's return fields as one picker text (see PickResult); empty unless OK.
    QString chosenValues() const;

    DataGrid *grid() const { return m_grid; }
    DataSet *rows() const { return m_rows; }
    QLineEdit *searchBox() const { return m_search; }
    QPushButton *searchButton() const { return m_searchButton; }

private:
    void search();
    void showColumns();

    DataSet *m_rows;
    DataGrid *m_grid;
    QLineEdit *m_search;
    QPushButton *m_searchButton;
    Picker m_picker;
    QStringList m_searchFields;
};
