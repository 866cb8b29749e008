#pragma once

#include "core/report/ReportData.h"
#include "core/report/ReportDefinition.h"
#include "core/report/ReportList.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>

#include <memory>

class DataSet;
class QMenu;
class QPushButton;
class QTableWidget;

// "报表": the report list of one calling screen. The caller hands over its data through
// sToPrintFormName, arrToPrintDataSet and arrToPrintDataSetAlias before creating the dialog;
// the company data is added under "公司资料". Entries are added, copied and deleted here, and
// their reports designed, previewed and printed.
class TRepListForm : public QDialog
{
    Q_OBJECT

public:
    explicit TRepListForm(QWidget *owner = nullptr);
    ~TRepListForm() override;

    const ReportList &reportList() const { return *m_list; }
    // The names as published now: the handed-over data sets, then the company data.
    ReportData publishedData() const;
    int currentIndex() const;

    void newReport();     // 新增
    void deleteReport();  // 删除
    void copyReport();    // 复制
    void design();        // 设计(&D)
    void previewReport(); // 预览(&V)
    void printReport();   // 打印(&P): the printer dialog, then the preview

    QTableWidget *RepGrid;
    QPushButton *ReportButton, *DesignButton, *PreviewButton, *PrintButton, *ExitButton;
    QMenu *ReportMenu;

private:
    void fillGrid(int current);
    // The definition of the current entry: its file, or an empty design when the file is missing.
    ReportDefinition currentDefinition() const;

    QString m_formName;
    QList<QPointer<DataSet>> m_dataSets;
    QStringList m_aliases;
    DataSet *m_company;
    std::unique_ptr<ReportList> m_list;
};
