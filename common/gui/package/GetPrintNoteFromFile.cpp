#include "gui/package/GetPrintNoteFromFile.h"

#include "core/archive/PasswordArchive.h"
#include "core/printfun/ProgramSubDir.h"
#include "gui/dialogs/MessageBoxes.h"
#include "gui/package/TXmlReadForm.h"

#include <QDir>

QString GetPrintNoteFromFile(const QSqlDatabase &db, const QString &fileName)
{
    TXmlReadForm reader(db);
    const QString download = CreateProgSubDir(QStringLiteral("download"));
    QString noteName;
    if (!fileName.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive)) {
        reader.InputXmlFile(fileName, noteName);
        return noteName;
    }

    const ArchiveResult unzipped = UnZipFiles(fileName, download, QString());
    if (!unzipped) {
        if (unzipped.atDestination) // the bundle may be good: the disk could not take it
            ShowMsgerror(QStringLiteral("无法导入%1：%2").arg(QDir::toNativeSeparators(fileName), unzipped.reason));
        return {}; // no archive: nothing to import
    }
    QString imported;
    int count = 0;
    for (const QString &name : unzipped.names) {
        reader.InputXmlFile(QDir(download).filePath(name), noteName);
        if (!noteName.isEmpty()) {
            imported += QLatin1Char('\r') + noteName;
            ++count;
        }
    }
    if (count > 0)
        ShowMsgHint(QStringLiteral("成功导入%1个单据:%2").arg(count).arg(imported));
    else
        ShowMsgHint(QStringLiteral("没有需要导入的单据"));
    return {};
}
