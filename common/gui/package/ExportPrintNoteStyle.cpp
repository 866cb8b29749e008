#include "gui/package/ExportPrintNoteStyle.h"

#include "core/package/PackageFile.h"
#include "core/package/PackageFileNames.h"
#include "core/printfun/ProgramSubDir.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogs.h"
#include "gui/dialogs/MessageBoxes.h"

#include <QDir>
#include <QFileInfo>

QString ExportPrintNoteStyle(const QSqlDatabase &db, QWidget *owner, const QString &noteName,
                             const QString &password, bool silent)
{
    Q_UNUSED(owner); // the file dialog seam parents its dialogs itself
    const QString upload = CreateProgSubDir(QStringLiteral("upload"));
    const QString fileName = silent
        ? QDir(upload).filePath(FileNameOfNote(noteName) + QStringLiteral(".pnt"))
        : GetSaveFileName(upload, QStringLiteral("pnt"), FileNameOfNote(noteName), QStringLiteral("输入保存的文件名"),
                          QStringLiteral("*.pnt|*.pnt"));
    if (fileName.isEmpty())
        return {};
    if (!GetXmlFileByNote(db, noteName, fileName, password)) {
        if (!silent)
            ShowMsgHint(QStringLiteral("生成失败!"));
        return {};
    }
    if (!silent) {
        ShowMsgHint(QStringLiteral("生成成功!"));
        DesktopOpener::openFile(QFileInfo(fileName).absolutePath());
    }
    return fileName;
}
