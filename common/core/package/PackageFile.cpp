#include "core/package/PackageFile.h"

#include "core/archive/PasswordArchive.h"
#include "core/files/DurableFile.h"
#include "core/package/PackageFileNames.h"
#include "core/package/PackageFormatError.h"
#include "core/package/PackageXmlReader.h"
#include "core/package/PackageXmlWriter.h"
#include "core/printfun/ProgramSubDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A work folder of its own below "tmp", removed with everything in it when done.
QTemporaryDir workFolder()
{
    return QTemporaryDir(QDir(CreateProgSubDir(QStringLiteral("tmp"))).filePath(QStringLiteral("package-XXXXXX")));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > (qint64(64) << 20))
        throw PackageFormatError();
    return file.readAll();
}

// The package XML: the first file of the archive, or the file itself when it is no archive the
// package password opens. Packages written without a password of their own (the bulk export)
// carry the empty-password key.
QByteArray packageXml(const QString &fileName)
{
    QTemporaryDir work = workFolder();
    if (!work.isValid())
        throw CorvaneError(QStringLiteral("无法导入%1：无法建立临时文件夹%2")
                               .arg(QDir::toNativeSeparators(fileName), QDir::toNativeSeparators(work.path())));
    // A package is one template's XML: far below this, whatever it claims.
    const ArchiveLimits limits{qint64(64) << 20, 200};
    for (const QString &password : {PackagePassword(), EmptyPasswordKey()}) {
        const ArchiveResult unzipped = UnZipFiles(fileName, work.path(), password, limits);
        if (unzipped)
            return readAll(QDir(work.path()).filePath(unzipped.names.first()));
        // A full disk says nothing about the package: say what is wrong, not that the file is bad.
        if (unzipped.atDestination)
            throw CorvaneError(QStringLiteral("无法导入%1：%2").arg(QDir::toNativeSeparators(fileName), unzipped.reason));
    }
    return readAll(fileName);
}

} // namespace

QString PackagePassword()
{
    return QStringLiteral("tenobarquimel");
}

QString EmptyPasswordKey()
{
    return QStringLiteral("quvrest.zd");
}

ArchiveResult GetXmlFileByNote(const QSqlDatabase &db, const QString &noteName, const QString &packageFile,
                               const QString &password)
{
    try {
        const QString xml = PackageXmlOfNote(db, noteName, LoadPackageTextTemplates());
        QTemporaryDir work = workFolder();
        const QString xmlFile = QDir(work.path()).filePath(FileNameOfNote(noteName) + QStringLiteral(".xml"));
        if (!work.isValid())
            return ArchiveResult::failure(QStringLiteral("无法写入文件%1").arg(QDir::toNativeSeparators(xmlFile)));
        if (const QString problem = WriteFileDurably(xmlFile, PackageXmlBytes(xml)); !problem.isEmpty())
            return ArchiveResult::failure(problem);

        return WriteArchiveOver({xmlFile}, packageFile, password.isEmpty() ? EmptyPasswordKey() : password);
    } catch (const CorvaneError &e) {
        return ArchiveResult::failure(e.message());
    }
}

PackageFileImport InputPackageFile(const QSqlDatabase &db, const QString &fileName,
                                   const PackageImportOptions &options)
{
    const PackageTemplate package = ReadPackageXml(packageXml(fileName));
    try {
        return {ImportPackage(db, package, options), {}};
    } catch (const PackageFormatError &) {
        throw;
    } catch (const CorvaneError &e) {
        return {{}, e.message()};
    }
}
