#pragma once

#include "gui/listedit/TListEditForm.h"

class QLabel;

// The company book "公司资料设置": every own entry and partner of bs_complist in a read-only,
// multi-select list; entries are added, changed and read in the modal editor (CompanyEdit),
// deleted here, and imported from and exported to spreadsheet files.
class TCompanyForm : public TListEditForm
{
    Q_OBJECT

public:
    explicit TCompanyForm(QWidget *owner);

    QLabel *titleLabel() const { return m_title; }
    QPushButton *importButton() const { return m_import; }
    QPushButton *exportButton() const { return m_export; }

    // The pop-up menu's own actions.
    void deleteSelectedRows();  // "删除选中行"
    void refreshList();         // "刷新": every row, the last one current

protected:
    void newRecord() override;
    void editRecord() override;
    bool confirmDelete() override;

private:
    void openFrom(qint64 firstAutoid);
    void showEntry(bool editing);
    void importSheet();

    QLabel *m_title;
    QPushButton *m_import;
    QPushButton *m_export;
};
