#include "core/report/ReportList.h"

#include "core/report/ReportFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString kListFormat = QStringLiteral("QuilletReportList");
constexpr int kListVersion = 1;

[[noreturn]] void refuseList(const QString &path)
{
    throw ReportFileError(QStringLiteral("报表列表文件格式错误：%1").arg(path));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ReportFileError(QStringLiteral("不能保存文件%1：%2").arg(path, file.errorString()));
}

bool sameFileName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QList<ReportListEntry> ReadReportList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportFileError(QStringLiteral("不能读取报表列表%1：%2").arg(path, file.errorString()));
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != kListFormat)
        refuseList(path);
    if (root.value(QStringLiteral("version")).toInt() != kListVersion)
        throw ReportFileError(QStringLiteral("报表列表的版本%1不能读取").arg(root.value(QStringLiteral("version")).toInt()));
    QList<ReportListEntry> entries;
    for (const QJsonValue &rowValue : root.value(QStringLiteral("rows")).toArray()) {
        const QJsonArray row = rowValue.toArray();
        if (row.size() != 4 || !row.at(0).isDouble() || !row.at(1).isString() || !row.at(2).isString()
            || !row.at(3).isString())
            refuseList(path);
        entries.append({row.at(0).toInt(), row.at(1).toString(), row.at(2).toString(), row.at(3).toString()});
    }
    return entries;
}

void WriteReportList(const QString &path, const QList<ReportListEntry> &entries)
{
    QJsonArray rows;
    for (const ReportListEntry &entry : entries)
        rows.append(QJsonArray{entry.seqNo, entry.reportName, entry.repFileName, entry.remark});
    QJsonObject root;
    root.insert(QStringLiteral("format"), kListFormat);
    root.insert(QStringLiteral("version"), kListVersion);
    root.insert(QStringLiteral("columns"), QJsonArray{QStringLiteral("SeqNo"), QStringLiteral("ReportName"),
                                                     QStringLiteral("RepFileName"), QStringLiteral("remark")});
    root.insert(QStringLiteral("rows"), rows);
    writeBytes(path, QJsonDocument(root).toJson(QJsonDocument::Indented));
}

QString EmptyReportListFileName()
{
    return QStringLiteral("EmptyRepFile.Dat");
}

ReportList::ReportList(const QString &reportsFolder, const QString &formName)
    : m_folder(QDir(reportsFolder).absolutePath()), m_path(QDir(m_folder).filePath(formName + QStringLiteral(".dat")))
{
    if (!QFileInfo::exists(m_path)) {
        QDir().mkpath(m_folder);
        const QString empty = QDir(m_folder).filePath(EmptyReportListFileName());
        QFile shipped(empty);
        if (shipped.open(QIODevice::ReadOnly))
            writeBytes(m_path, shipped.readAll());
        else
            WriteReportList(m_path, {});
    }
    m_entries = ReadReportList(m_path);
}

QString ReportList::definitionPath(int index) const
{
    // A list file edited by hand never reaches outside the folder.
    const QString name = QFileInfo(m_entries.at(index).repFileName.trimmed()).fileName();
    const QDir folder(m_folder);
    if (name.isEmpty() || folder.exists(name))
        return folder.filePath(name);
    // Lists made where file names ignore letter case may name an existing file in another case.
    for (const QString &existing : folder.entryList(QDir::Files))
        if (sameFileName(existing, name))
            return folder.filePath(existing);
    return folder.filePath(name);
}

QString ReportList::nameFault(const NewReportEntry &entry, const QString &duplicateText) const
{
    if (entry.reportName.trimmed().isEmpty())
        return QStringLiteral("报表名称不能为空");
    if (entry.repFileName.trimmed().isEmpty())
        return QStringLiteral("报表文件名不能为空");
    if (QFileInfo(entry.repFileName).fileName() != entry.repFileName)
        return QStringLiteral("报表文件名不正确");
    for (const ReportListEntry &existing : m_entries)
        if (existing.reportName.trimmed().compare(entry.reportName.trimmed(), Qt::CaseInsensitive) == 0)
            return duplicateText;
    return {};
}

void ReportList::append(const NewReportEntry &entry)
{
    QList<ReportListEntry> changed = m_entries;
    changed.append({int(m_entries.size()) + 1, entry.reportName, entry.repFileName, entry.remark});
    WriteReportList(m_path, changed);
    m_entries = changed;
}

QString ReportList::add(const NewReportEntry &entry)
{
    const QString fault = nameFault(entry, QStringLiteral("文件名称不能相同"));
    if (fault.isEmpty())
        append(entry);
    return fault;
}

QString ReportList::copy(int index, const NewReportEntry &entry)
{
    const QString fault = nameFault(entry, QStringLiteral("报表名称不能相同"));
    if (!fault.isEmpty())
        return fault;
    const QString source = definitionPath(index);
    const QString target = QDir(m_folder).filePath(entry.repFileName);
    // Copying a file onto itself would only risk it; both entries then share the file.
    if (QFileInfo(source).absoluteFilePath() != QFileInfo(target).absoluteFilePath()) {
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            return QStringLiteral("文件拷贝失败");
        try {
            writeBytes(target, in.readAll());
        } catch (const ReportFileError &) {
            return QStringLiteral("文件拷贝失败");
        }
    }
    append(entry);
    return {};
}

void ReportList::remove(int index)
{
    const QString file = m_entries.at(index).repFileName;
    const QString path = definitionPath(index);
    QList<ReportListEntry> changed = m_entries;
    changed.removeAt(index);
    WriteReportList(m_path, changed);
    m_entries = changed;
    for (const ReportListEntry &other : m_entries)
        if (sameFileName(other.repFileName, file))
            return;
    if (QFileInfo(path).isFile())
        QFile::remove(path);
}

QString BrowsedReportFileFault(const QString &chosenFile, const QString &reportsFolder)
{
    const QFileInfo chosen(chosenFile);
    const QString folder = QDir::cleanPath(QDir(reportsFolder).absolutePath());
    if (QDir::cleanPath(chosen.absolutePath()).compare(folder, Qt::CaseInsensitive) != 0)
        return QStringLiteral("选择的文件应该是在\\REPORTS目录下");
    if (chosen.suffix().compare(QLatin1String("REP"), Qt::CaseInsensitive) != 0)
        return QStringLiteral("选择的文件应该是.REP类型");
    return {};
}

QString DefaultReportFileName(const QString &formName, const QString &reportName)
{
    return QStringLiteral("%1_%2.Rep").arg(formName, reportName);
}
