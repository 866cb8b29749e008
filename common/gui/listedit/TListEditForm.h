#pragma once

#include <QBoxLayout>
#include <QList>
#include <QString>
#include <QVariantList>
#include <QWidget>

class DataGrid;
class DataSet;
class DataSource;
class QPushButton;

// The base of every list-edit screen: one grid over one query (the master data set), the
// buttons "新增(&N)", "取消(&C)", "保存(&S)", "修改(&M)", "删除(&D)", "退出(&X)" enabled by the
// master's state, the grid's pop-up menu (export, column choice, saving the layout) and no
// closing while a row is being edited.
//
// A screen derives from it, adds its own controls (buttonBar(), contentLayout()), names its
// columns and calls openList() at the end of its constructor. It overrides the hooks where it
// differs: checkRequiredFields (before every post), confirmCancel, confirmDelete, and the
// actions themselves (e.g. a list whose rows are edited in a separate dialog).
class TListEditForm : public QWidget
{
    Q_OBJECT

public:
    enum Button { NewButton, CancelButton, SaveButton, EditButton, DeleteButton, ExitButton };

    explicit TListEditForm(QWidget *parent = nullptr);
    ~TListEditForm() override;

    DataSet *master() const { return m_master; }
    DataSource *masterSource() const { return m_source; }
    DataGrid *grid() const { return m_grid; }
    QPushButton *button(Button which) const { return m_buttons.value(which); }

protected:
    struct Column
    {
        QString field;
        QString title;
        int width = 0;  // 0: the grid's own
    };

    // The grid shows these fields in this order with these titles; fields not named are not
    // shown. Without columns every field is shown under its name.
    void setColumns(const QList<Column> &columns) { m_columns = columns; }
    void hideButton(Button which);
    // The refusal shown when the screen is closed while a row is being edited.
    void setCloseRefusalText(const QString &text) { m_closeRefusal = text; }

    // The creation steps: opens the query on CurAdo, gives the columns their titles and widths,
    // restores the layout saved under form class name + grid name when the layout file exists,
    // title height 20, clears the sort markers and turns sort marking on.
    void openList(const QString &sql, const QVariantList &params = {});

    // Before the master row is written (by 保存 or by leaving the row): the screen's checks;
    // it tells the user itself and returns false to keep the row in edit.
    virtual bool checkRequiredFields() { return true; }
    virtual bool confirmCancel() { return true; }
    virtual bool confirmDelete();  // "确认删除？"

    // The buttons' actions; the defaults work on the master data set.
    virtual void newRecord();     // inserts a row
    virtual void editRecord();    // puts the current row into edit
    virtual void saveRecord();    // posts; afterSave() when written
    virtual void cancelRecord();  // cancels after confirmCancel(); afterCancel()
    virtual void deleteRecord();  // deletes after confirmDelete()
    virtual void afterSave() {}
    virtual void afterCancel() {}

    // Buttons, grid options and tag-100 controls follow the master's state.
    virtual void updateControls();

    QBoxLayout *buttonBar() const { return m_buttonBar; }
    QBoxLayout *contentLayout() const { return m_content; }

    void closeEvent(QCloseEvent *event) override;

private:
    DataSet *m_master;
    DataSource *m_source;
    DataGrid *m_grid;
    QList<QPushButton *> m_buttons;
    QList<Column> m_columns;
    QBoxLayout *m_buttonBar;
    QBoxLayout *m_content;
    QString m_closeRefusal;
};
