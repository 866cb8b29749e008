#pragma once

#include "core/report/ReportList.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;

// "创建新报表": the name, file and description of a new report-list entry. The file name
// follows the typed name until the user browses for an existing definition.
class TNewRepEditForm : public QDialog
{
    Q_OBJECT

public:
    TNewRepEditForm(const QString &formName, const QString &reportsFolder, QWidget *owner = nullptr);

    // The entry as typed; the file reduced to its name without folder.
    NewReportEntry entry() const;

    QLineEdit *ReportNameEdit;
    QLineEdit *RepFileNameEdit;
    QLineEdit *RemarkEdit;
    QPushButton *BrowseButton;

public Q_SLOTS:
    void accept() override;

private:
    void browse();

    QString m_formName;
    QString m_reportsFolder;
};

// Runs the dialog; the entry on OK, nothing on Cancel.
std::optional<NewReportEntry> GetNewRepFile(const QString &formName, const QString &reportsFolder, QWidget *owner);
