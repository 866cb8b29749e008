#include "gui/export/DataSetExport.h"

#include "core/export/DataSetSheet.h"
#include "core/spreadsheet/XlsxSheetWriter.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageSeam.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kCaption = QStringLiteral("系统提示");

// The folder the last export went to, while it exists.
QString &lastExportFolder()
{
    static QString folder;
    return folder;
}

// Where a new export is proposed: a folder that exists, so the save never fails on the path.
QString documentsFolder()
{
    if (!lastExportFolder().isEmpty() && QFileInfo(lastExportFolder()).isDir())
        return lastExportFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString proposedName(const QString &fileName)
{
    QString name = fileName.trimmed();
    if (name.isEmpty())
        name = QStringLiteral("数据导出");
    if (QFileInfo(name).isRelative())
        name = QDir(documentsFolder()).filePath(name);
    return WithXlsxExtension(name);
}

void tell(QMessageBox::Icon icon, const QString &text)
{
    MessageSeam::ask({icon, kCaption, text, QMessageBox::Ok, QMessageBox::Ok});
}
}

QString WithXlsxExtension(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive))
        return fileName;
    if (fileName.endsWith(QLatin1String(".xls"), Qt::CaseInsensitive))
        return fileName + u'x';
    return fileName + QStringLiteral(".xlsx");
}

bool DataSetExportToExcel(const DataSet &dataSet, const QString &fileName, const QString &sheetName)
{
    return ToExcel(fileName, dataSet, sheetName);
}

bool ToExcel(const QString &fileName, const DataSet &dataSet, const QString &sheetName)
{
    const QString proposed = proposedName(fileName);
    QString chosen = GetSaveFileName(QFileInfo(proposed).absolutePath(), QStringLiteral("xlsx"), proposed, QString(),
                                     QStringLiteral("Excel文件(*.xlsx)|*.xlsx"));
    if (chosen.isEmpty())
        return false;
    chosen = WithXlsxExtension(chosen);
    if (QFileInfo::exists(chosen)) {
        const auto answer = MessageSeam::ask({QMessageBox::Question, QStringLiteral("询问"),
                                              QStringLiteral("该文件已经存在，要覆盖吗？"),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No});
        if (answer != QMessageBox::Yes)
            return false;
    }
    const SheetWriteResult written = WriteXlsxSheetRows(chosen, SheetHeaderOfDataSet(dataSet), SheetRowSourceOfDataSet(dataSet),
                                                        sheetName.isEmpty() ? QStringLiteral("Sheet1") : sheetName);
    if (!written) {
        tell(QMessageBox::Warning, QStringLiteral("数据导出失败：%1").arg(written.reason));
        return false;
    }
    lastExportFolder() = QFileInfo(chosen).absolutePath();
    tell(QMessageBox::Information, QStringLiteral("数据导出完毕！"));
    DesktopOpener::openFile(chosen);
    return true;
}
