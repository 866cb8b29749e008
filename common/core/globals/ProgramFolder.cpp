#include "core/globals/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramFolderPath()
{
    QString folder = qEnvironmentVariable("QUILLET_HOME");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    return folder.endsWith('/') ? folder : folder + '/';
}

QString ProgramFile(const QString &relativePath)
{
    return QDir(ProgramFolderPath()).filePath(relativePath);
}
