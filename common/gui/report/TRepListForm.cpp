#include "gui/report/TRepListForm.h"

#include "core/dataset/DataSet.h"
#include "core/globals/ProgramFolder.h"
#include "core/globals/PubDm.h"
#include "core/report/CompanyReportQuery.h"
#include "core/report/ReportFile.h"
#include "core/report/ReportLayout.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "gui/report/TNewRepEditForm.h"
#include "gui/report/TReportDesignerForm.h"
#include "gui/report/TReportPreviewForm.h"
#include "gui/widgets/BarButton.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString reportsFolder()
{
    return ProgramFile(QStringLiteral("Reports"));
}

ReportLayoutOptions layoutOptions()
{
    ReportLayoutOptions options;
    options.pictureFolder = ProgramFolderPath();
    return options;
}

} // namespace

TRepListForm::TRepListForm(QWidget *owner)
    : QDialog(owner), m_formName(sToPrintFormName), m_aliases(arrToPrintDataSetAlias), m_company(new DataSet(this))
{
    setWindowTitle(QStringLiteral("报表"));
    setFixedSize(457, 196);
    for (DataSet *dataSet : arrToPrintDataSet)
        m_dataSets.append(dataSet);
    m_company->setObjectName(QStringLiteral("CompanyQuery"));
    OpenCompanyReportQuery(*m_company, CurAdo);
    m_list = std::make_unique<ReportList>(reportsFolder(), m_formName);

    RepGrid = new QTableWidget(0, 3, this);
    RepGrid->setObjectName(QStringLiteral("RepGrid"));
    RepGrid->setHorizontalHeaderLabels({QStringLiteral("报表名称"), QStringLiteral("报表文件名"), QStringLiteral("说明")});
    RepGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RepGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    RepGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    RepGrid->verticalHeader()->hide();
    RepGrid->verticalHeader()->setDefaultSectionSize(20);
    RepGrid->horizontalHeader()->setStretchLastSection(true);
    RepGrid->setColumnWidth(0, 120);
    RepGrid->setColumnWidth(1, 160);

    auto *buttons = new QVBoxLayout;
    const auto button = [this, buttons](const QString &caption, const char *name) { return AddBarButton(this, buttons, caption, name); };
    ReportButton = button(QStringLiteral("报表(&F)"), "ReportButton");
    DesignButton = button(QStringLiteral("设计(&D)"), "DesignButton");
    PreviewButton = button(QStringLiteral("预览(&V)"), "PreviewButton");
    PrintButton = button(QStringLiteral("打印(&P)"), "PrintButton");
    ExitButton = button(QStringLiteral("退出(&X)"), "ExitButton");
    buttons->addStretch();

    ReportMenu = new QMenu(this);
    ReportMenu->setObjectName(QStringLiteral("ReportMenu"));
    connect(ReportMenu->addAction(QStringLiteral("新增")), &QAction::triggered, this, &TRepListForm::newReport);
    connect(ReportMenu->addAction(QStringLiteral("删除")), &QAction::triggered, this, &TRepListForm::deleteReport);
    connect(ReportMenu->addAction(QStringLiteral("复制")), &QAction::triggered, this, &TRepListForm::copyReport);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(RepGrid, 1);
    layout->addLayout(buttons);

    connect(ReportButton, &QPushButton::clicked, this,
            [this] { ReportMenu->popup(ReportButton->mapToGlobal(QPoint(0, ReportButton->height()))); });
    connect(DesignButton, &QPushButton::clicked, this, &TRepListForm::design);
    connect(PreviewButton, &QPushButton::clicked, this, &TRepListForm::previewReport);
    connect(PrintButton, &QPushButton::clicked, this, &TRepListForm::printReport);
    connect(ExitButton, &QPushButton::clicked, this, &QDialog::reject);
    fillGrid(0);
}

TRepListForm::~TRepListForm() = default;

void TRepListForm::fillGrid(int current)
{
    const QList<ReportListEntry> &entries = m_list->entries();
    RepGrid->setRowCount(int(entries.size()));
    for (int row = 0; row < entries.size(); ++row) {
        const ReportListEntry &entry = entries.at(row);
        RepGrid->setItem(row, 0, new QTableWidgetItem(entry.reportName));
        RepGrid->setItem(row, 1, new QTableWidgetItem(entry.repFileName));
        RepGrid->setItem(row, 2, new QTableWidgetItem(entry.remark));
    }
    if (!entries.isEmpty())
        RepGrid->selectRow(std::clamp(current, 0, int(entries.size()) - 1));
}

int TRepListForm::currentIndex() const
{
    const int row = RepGrid->currentRow();
    return row >= 0 && row < m_list->entries().size() ? row : -1;
}

ReportData TRepListForm::publishedData() const
{
    ReportData data;
    for (qsizetype i = 0; i < m_dataSets.size(); ++i)
        data.addDataSet(m_aliases.value(i), m_dataSets.at(i));
    m_company->requery();
    data.addDataSet(CompanyReportAlias(), m_company);
    for (qsizetype i = 0; i < PrintVarAliasNameList.size(); ++i)
        data.addVariable(PrintVarAliasNameList.at(i), PrintVarAliasValueList.value(i));
    return data;
}

void TRepListForm::newReport()
{
    const std::optional<NewReportEntry> entry = GetNewRepFile(m_formName, reportsFolder(), this);
    if (!entry)
        return;
    const QString refusal = m_list->add(*entry);
    if (!refusal.isEmpty()) {
        ShowMsgHint(refusal);
        return;
    }
    fillGrid(int(m_list->entries().size()) - 1);
}

void TRepListForm::copyReport()
{
    const int index = currentIndex();
    if (index < 0)
        return;
    const std::optional<NewReportEntry> entry = GetNewRepFile(m_formName, reportsFolder(), this);
    if (!entry)
        return;
    const QString refusal = m_list->copy(index, *entry);
    if (!refusal.isEmpty()) {
        ShowMsgHint(refusal);
        return;
    }
    fillGrid(int(m_list->entries().size()) - 1);
}

void TRepListForm::deleteReport()
{
    const int index = currentIndex();
    if (index < 0)
        return;
    m_list->remove(index);
    fillGrid(index);
}

ReportDefinition TRepListForm::currentDefinition() const
{
    const QString path = m_list->definitionPath(currentIndex());
    return QFileInfo::exists(path) ? LoadReportFile(path) : EmptyReportDefinition(m_aliases);
}

void TRepListForm::design()
{
    if (currentIndex() < 0)
        return;
    const ReportData data = publishedData();
    TReportDesignerForm designer(currentDefinition(), data, m_list->definitionPath(currentIndex()),
                                 ProgramFolderPath(), this);
    designer.exec();
}

void TRepListForm::previewReport()
{
    if (currentIndex() < 0)
        return;
    const ReportData data = publishedData();
    TReportPreviewForm preview(LayOutReport(currentDefinition(), data, layoutOptions()), this);
    preview.exec();
}

void TRepListForm::printReport()
{
    if (currentIndex() < 0 || !PrinterSetupSeam::ask(this))
        return;
    previewReport();
}
