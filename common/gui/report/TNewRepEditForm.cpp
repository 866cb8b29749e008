#include "gui/report/TNewRepEditForm.h"

#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/printfun/OkCancelButtons.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TNewRepEditForm::TNewRepEditForm(const QString &formName, const QString &reportsFolder, QWidget *owner)
    : QDialog(owner), ReportNameEdit(new QLineEdit(this)), RepFileNameEdit(new QLineEdit(this)),
      RemarkEdit(new QLineEdit(this)), BrowseButton(new QPushButton(QStringLiteral("..."), this)),
      m_formName(formName), m_reportsFolder(reportsFolder)
{
    setWindowTitle(QStringLiteral("创建新报表"));
    setFixedSize(450, 171);
    ReportNameEdit->setObjectName(QStringLiteral("ReportNameEdit"));
    RepFileNameEdit->setObjectName(QStringLiteral("RepFileNameEdit"));
    RemarkEdit->setObjectName(QStringLiteral("RemarkEdit"));
    BrowseButton->setObjectName(QStringLiteral("BrowseButton"));
    BrowseButton->setFixedWidth(28);

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(RepFileNameEdit);
    fileRow->addWidget(BrowseButton);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("报表名称"), ReportNameEdit);
    form->addRow(QStringLiteral("报表文件名"), fileRow);
    form->addRow(QStringLiteral("说明"), RemarkEdit);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(OkCancelButtons(this));

    connect(ReportNameEdit, &QLineEdit::textEdited, this,
            [this](const QString &name) { RepFileNameEdit->setText(DefaultReportFileName(m_formName, name)); });
    connect(BrowseButton, &QPushButton::clicked, this, &TNewRepEditForm::browse);
}

NewReportEntry TNewRepEditForm::entry() const
{
    return {ReportNameEdit->text(), QFileInfo(RepFileNameEdit->text().trimmed()).fileName(), RemarkEdit->text()};
}

void TNewRepEditForm::browse()
{
    const QString chosen = GetOpenFileName(m_reportsFolder, QStringLiteral("rep"), QString(),
                                           QStringLiteral("报表文件|*.rep"));
    if (chosen.isEmpty())
        return;
    const QString fault = BrowsedReportFileFault(chosen, m_reportsFolder);
    if (!fault.isEmpty()) {
        ShowMsgHint(fault);
        return;
    }
    RepFileNameEdit->setText(chosen);
}

void TNewRepEditForm::accept()
{
    if (ReportNameEdit->text().trimmed().isEmpty()) {
        ShowMsgHint(QStringLiteral("报表名称不能为空"));
        ReportNameEdit->setFocus();
        return;
    }
    // An empty file name would name the folder itself.
    if (entry().repFileName.isEmpty()) {
        ShowMsgHint(QStringLiteral("报表文件名不能为空"));
        RepFileNameEdit->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<NewReportEntry> GetNewRepFile(const QString &formName, const QString &reportsFolder, QWidget *owner)
{
    TNewRepEditForm form(formName, reportsFolder, owner);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.entry();
}
