#pragma once

#include "core/messages/MessageReceiver.h"
#include "gui/listedit/TListEditForm.h"

class DataGrid;
class QComboBox;
class QLabel;
class QLineEdit;

// 数据表编辑: the definitions of the bill data tables (p_tables, one row per table, on the
// left) with the fields of the current table (p_TableFields) beside it. Both lists collect their
// changes until 保存, which writes them together; 创建 / 更新 build the real table from the saved
// definition; 删除 drops the table and, when asked to, its definition.
class TEditTableForm : public TListEditForm, public MessageReceiver
{
    Q_OBJECT

public:
    enum Command { CreateButton, UpdateButton };

    explicit TEditTableForm(QWidget *owner);
    ~TEditTableForm() override;

    DataSet *fieldList() const { return m_fields; }
    DataGrid *fieldGrid() const { return m_fieldGrid; }
    QPushButton *command(Command which) const { return m_commands.value(which); }

    void createTable(bool update);
    void insertField();
    void deleteField();

    void WndProc(const WindowMessage &message) override;

protected:
    void newRecord() override;
    void editRecord() override;
    void saveRecord() override;
    void cancelRecord() override;
    void deleteRecord() override;
    void updateControls() override;
    void showEvent(QShowEvent *event) override;

private:
    void reloadFields();
    void newFieldRow(DataSet &fields);
    bool mayEditField(DataSet &fields);
    void showAmountInput();
    void pickAmountInput(int index);
    QString currentTableName() const;

    DataSet *m_fields;
    DataGrid *m_fieldGrid = nullptr;
    QLabel *m_title;
    QLineEdit *m_tableNameEdit = nullptr;
    QComboBox *m_amountInputBox = nullptr;
    QList<QPushButton *> m_commands;
    QString m_loadedRefNo;
    bool m_readOnlyGuard = true;  // off only while saving renumbers the field rows
    bool m_shownOnce = false;
};
