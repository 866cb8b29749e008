#pragma once

#include <QList>
#include <QString>

// The report list of one calling screen: "Reports/<name>.dat", UTF-8 JSON, format
// "QuilletReportList", version 1, rows of SeqNo, ReportName, RepFileName, remark (see
// docs/architecture.md, "Report engine"). Every change is written at once, atomically; a
// change whose file cannot be written raises ReportFileError and leaves the list as it was.

struct ReportListEntry
{
    int seqNo = 0;
    QString reportName;
    QString repFileName;
    QString remark;

    bool operator==(const ReportListEntry &) const = default;
};

// What the new-entry dialog gives.
struct NewReportEntry
{
    QString reportName;
    QString repFileName;  // a plain file name inside the reports folder
    QString remark;
};

QList<ReportListEntry> ReadReportList(const QString &path);
void WriteReportList(const QString &path, const QList<ReportListEntry> &entries);

QString EmptyReportListFileName();

// Why a file chosen by browsing cannot name a report: it must lie in the reports folder itself
// and end in ".REP", both compared without regard to letter case. Empty when it can.
QString BrowsedReportFileFault(const QString &chosenFile, const QString &reportsFolder);

// The file name proposed for a new report: "<form name>_<report name>.Rep".
QString DefaultReportFileName(const QString &formName, const QString &reportName);  // "EmptyRepFile.Dat", shipped in the reports folder

class ReportList
{
public:
    // Opens the list of `formName` in `reportsFolder`; a missing list starts as a copy of the
    // shipped empty list (or, when that is missing too, as an empty list written afresh).
    ReportList(const QString &reportsFolder, const QString &formName);

    const QList<ReportListEntry> &entries() const { return m_entries; }
    const QString &path() const { return m_path; }
    const QString &folder() const { return m_folder; }
    // The entry's definition file in the folder; an existing file whose name differs only in
    // letter case is taken for it.
    QString definitionPath(int index) const;

    // Each returns the refusal to show, or the empty text when the entry was added.
    QString add(const NewReportEntry &entry);
    // The definition file of entry `index` is copied to the new entry's file first.
    QString copy(int index, const NewReportEntry &entry);
    // Deletes the entry and its definition file, unless another entry names the same file.
    void remove(int index);

private:
    QString nameFault(const NewReportEntry &entry, const QString &duplicateText) const;
    void append(const NewReportEntry &entry);

    QString m_folder;
    QString m_path;
    QList<ReportListEntry> m_entries;
};
