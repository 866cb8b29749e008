#include "core/spreadsheet/XlsHelperWorkbook.h"

#include "core/spreadsheet/SpreadsheetError.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <dlfcn.h>

namespace {
constexpr int kHelperTimeoutMs = 120000;
}

QString XlsHelperWorkbook::helperPath()
{
    Dl_info info;
    QString folder;
    if (dladdr(reinterpret_cast<void *>(&XlsHelperWorkbook::helperPath), &info) && info.dli_fname)
        folder = QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QDir(folder).filePath(QStringLiteral("QuilletXls"));
}

XlsHelperWorkbook::XlsHelperWorkbook(const QString &path)
{
    QProcess helper;
    helper.setProcessChannelMode(QProcess::SeparateChannels);
    helper.setStandardErrorFile(QProcess::nullDevice());
    helper.start(helperPath(), {QFileInfo(path).absoluteFilePath()});
    if (!helper.waitForStarted())
        throw SpreadsheetError(SpreadsheetError::Reason::Unreadable, QStringLiteral("找不到读取Excel文件的程序%1").arg(helperPath()));
    if (!helper.waitForFinished(kHelperTimeoutMs)) {
        helper.kill();
        helper.waitForFinished();
        throw SpreadsheetError::formatFault();
    }
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0)
        throw SpreadsheetError::formatFault();
    m_content = DecodeWorkbook(helper.readAllStandardOutput());
}
