#include "gui/FormatPackages.h"

#include "core/archive/PasswordArchive.h"
#include "core/db/AdoFunc.h"
#include "core/files/DurableFile.h"
#include "core/package/PackageFile.h"
#include "core/package/PackageFileNames.h"
#include "core/printfun/ProgramSubDir.h"
#include "data/TemplateFacts.h"
#include "gui/dialogs/FolderDialogSeam.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/package/ExportPrintNoteStyle.h"
#include "gui/package/GetPrintNoteFromFile.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QScopeGuard>

void ExportOneFormat(const QSqlDatabase &db, QWidget *owner, qint64 refNo)
{
    ExportPrintNoteStyle(db, owner, TemplateNoteName(db, refNo), PackagePassword(), false);
}

void ExportFormatsMerged(const QSqlDatabase &db, QWidget *owner, const QList<qint64> &refNos)
{
    const QString upload = CreateProgSubDir(QStringLiteral("upload"));
    const QString archive = GetSaveFileName(upload, QStringLiteral("zip"), QStringLiteral("多个单据_XXX"),
                                            QStringLiteral("输入保存的文件名"), QStringLiteral("*.zip|*.zip"));
    if (archive.isEmpty())
        return;
    QStringList packages;
    for (qint64 refNo : refNos) {
        const QString package = ExportPrintNoteStyle(db, owner, TemplateNoteName(db, refNo), PackagePassword(), true);
        if (!package.isEmpty())
            packages.append(package);
    }
    if (packages.isEmpty())
        return;
    // The one archive writer: built beside the archive, flushed, read back, then renamed over it,
    // so the old archive stays whole until the new one is complete and confirmed.
    WriteArchiveOver(packages, archive, QString()).requireSuccess();
}

void ExportFormatsToFolder(const QSqlDatabase &db, const QList<qint64> &refNos)
{
    const QString folder = FolderDialogSeam::ask(QStringLiteral("选择导出的文件夹"));
    if (folder.isEmpty())
        return;
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    int written = 0;
    for (qint64 refNo : refNos) {
        const QString noteName = TemplateNoteName(db, refNo);
        const QString kind = SelTableStringValue(db, QStringLiteral("select NoteType from p_NoteList where RefNo = ?"), {QString::number(refNo)});
        const QString file = QDir(folder).filePath(FileNameOfNote(kind + QLatin1Char('_') + noteName + QLatin1Char('_') + today)
                                                   + QStringLiteral(".pnt"));
        if (!GetXmlFileByNote(db, noteName, file, QString())) {
            ShowMsgHint(QStringLiteral("导出单据%1出错").arg(noteName));
            break;
        }
        ++written;
    }
    ShowMsgHint(QStringLiteral("导出%1个单据").arg(written));
}

void ImportFormats(const QSqlDatabase &db)
{
    CreateProgSubDir(QStringLiteral("download"));
    const QString file = GetOpenFileName(QString(), QStringLiteral("pnt"), QStringLiteral("选择导入文件名"),
                                         QStringLiteral("*.pnt;*.zip|*.pnt;*.zip"));
    if (file.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    GetPrintNoteFromFile(db, file);
}
