#include "shortcuts/CreateExeShortcut.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Quotes a path for the Exec key: inside double quotes, ", `, $ and \ are escaped with \, and
// a % is doubled so that it is no field code; then the value itself escapes every \ once more.
QString execArgument(const QString &path)
{
    QString quoted;
    for (const QChar c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        else if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted = '"' + quoted + '"';
    quoted.replace('\\', QLatin1String("\\\\"));
    return quoted;
}

// Escapes a plain string value of a desktop entry.
QString entryValue(const QString &value)
{
    QString escaped = value;
    escaped.replace('\\', QLatin1String("\\\\"));
    escaped.replace('\n', QLatin1String("\\n"));
    escaped.replace('\t', QLatin1String("\\t"));
    escaped.replace('\r', QLatin1String("\\r"));
    return escaped;
}

QString specialFolderPath(int specialFolder)
{
    if (specialFolder == kProgramsFolder) {
        const QString path = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        QDir().mkpath(path);
        return path;
    }
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

QString ProgramIconFile(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("icons/quillet.png"));
}

QString DesktopEntryText(const QString &target, const QString &name)
{
    const QFileInfo info(target);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Version=1.0\n"
                          "Name=%1\n"
                          "Comment=%2\n"
                          "Exec=%3\n"
                          "Path=%4\n"
                          "Icon=%5\n"
                          "Terminal=false\n"
                          "Categories=Office;Finance;\n")
        .arg(entryValue(name), QStringLiteral("票据填开与套打"), execArgument(info.absoluteFilePath()),
             entryValue(info.absolutePath()), entryValue(ProgramIconFile(info.absolutePath())));
}

bool CreateExeShortcut(const QString &target, const QString &linkName, const QString &folder, int specialFolder)
{
    const QFileInfo targetInfo(target);
    if (!targetInfo.isFile())
        return false;
    const QString name = linkName.isEmpty() ? targetInfo.completeBaseName() : linkName;

    QString linkFolder;
    if (specialFolder >= 0) {
        linkFolder = specialFolderPath(specialFolder);
    } else if (!folder.isEmpty()) {
        linkFolder = QDir::cleanPath(folder);
    } else {
        linkFolder = specialFolderPath(kDesktopFolder);
    }
    if (linkFolder.isEmpty() || !QFileInfo(linkFolder).isDir())
        return false;

    const QString path = QDir(linkFolder).filePath(name + QStringLiteral(".desktop"));
    const QByteArray text = DesktopEntryText(targetInfo.absoluteFilePath(), name).toUtf8();
    // Every start writes the entries: one that already says this is left as it stands.
    if (QFile::permissions(path).testFlag(QFile::ExeOwner)) {
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.size() == text.size() && existing.readAll() == text)
            return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    if (!file.commit())
        return false;
    QFile::setPermissions(file.fileName(), QFile::permissions(file.fileName()) | QFile::ExeOwner);
    return true;
}
