#pragma once

#include <QDialog>
#include <QSqlDatabase>

class DataSet;
class DataSource;
class QComboBox;
class QPushButton;

// The editor of one company book entry, "单位资料编辑": every column of the entry, the type
// list (往来单位 / 本单位 = bSelf 0 / 1), the province list from the region table with the
// cities of the typed or chosen province, and the buttons 新增, 修改, 保存, 取消, 复制, 退出.
// It is not left while the entry is being edited.
class TCompShowForm : public QDialog
{
    Q_OBJECT

public:
    enum Button { NewButton, EditButton, SaveButton, CancelButton, CopyButton, ExitButton };

    explicit TCompShowForm(QWidget *owner);
    ~TCompShowForm() override;

    // Opens the entry of that row id; editing puts it into edit at once (a new entry when no
    // row has that id), else it is shown for reading until 修改.
    void openEntry(const QSqlDatabase &db, qint64 autoid, bool editing);

    DataSet *entry() const { return m_entry; }
    QPushButton *button(Button which) const;
    QComboBox *typeList() const { return m_type; }
    QComboBox *provinceList() const { return m_province; }
    QComboBox *cityList() const { return m_city; }

    void done(int result) override;

private:
    void buildControls();
    void save();
    void copyEntry();
    void showType();
    void refillCities();
    void updateControls();

    DataSet *m_entry;
    DataSource *m_source;
    QList<QPushButton *> m_buttons;
    QComboBox *m_type = nullptr;
    QComboBox *m_province = nullptr;
    QComboBox *m_city = nullptr;
};
