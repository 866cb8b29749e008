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
#include <QFileInfo>
#include <QRandomGenerator>
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
    // Packed beside the archive under a hidden name of its own, then renamed over it: the old
    // archive stays whole until the new one is complete, and no file of the user's is touched.
    const QFileInfo target(archive);
    QString staged;
    do {
        staged = target.absoluteDir().filePath(QStringLiteral(".%1.%2").arg(
            target.fileName(), QString::number(QRandomGenerator::global()->generate(), 36)));
    } while (QFileInfo::exists(staged));
    const auto dropStaged = qScopeGuard([&] { QFile::remove(staged); });
    ZipFileLists(packages, staged, QString()).requireSuccess();
    if (const QString problem = RenameDurably(staged, archive); !problem.isEmpty())
        ArchiveResult::failure(problem).requireSuccess();
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
