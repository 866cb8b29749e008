#include "core/archive/PasswordArchive.h"

#include "core/archive/ZipHandle.h"
#include "core/archive/ZipNameFlags.h"
#include "core/files/FileFilter.h"
#include "core/text/GbkCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <zip.h>

namespace {
// Checks the files before the archive is touched: each must exist, and the stored names
// (file names alone) must be distinct and have a GBK form.
QString checkFiles(const QStringList &files)
{
    if (files.isEmpty())
        return QStringLiteral("没有要压缩的文件");
    QSet<QString> names;
    for (const QString &path : files) {
        const QFileInfo info(path);
        if (!info.isFile())
            return QStringLiteral("文件不存在：%1").arg(path);
        if (!fitsGbk(info.fileName()))
            return QStringLiteral("文件名含有无法保存的字符：%1").arg(info.fileName());
        if (names.contains(info.fileName()))
            return QStringLiteral("文件重名：%1").arg(info.fileName());
        names.insert(info.fileName());
    }
    return {};
}

// Adds the file, or replaces the entry that already has its name (keeping that entry's name).
QString putFile(zip_t *zip, const QString &path, zip_int64_t existing, const QByteArray &password)
{
    zip_source_t *source = zip_source_file(zip, QFile::encodeName(path).constData(), 0, -1);
    if (!source)
        return QStringLiteral("无法读取文件：%1").arg(path);
    zip_int64_t index = existing;
    if (existing >= 0) {
        if (zip_file_replace(zip, zip_uint64_t(existing), source, 0) != 0)
            index = -1;
    } else {
        index = zip_file_add(zip, toGbk(QFileInfo(path).fileName()).constData(), source, ZIP_FL_ENC_GUESS);
    }
    if (index < 0) {
        zip_source_free(source);
        return QStringLiteral("无法加入文件：%1").arg(path);
    }
    if (zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_DEFLATE, 9) != 0)
        return QStringLiteral("无法设置压缩方式");
    if (!password.isEmpty()
        && zip_file_set_encryption(zip, zip_uint64_t(index), ZIP_EM_TRAD_PKWARE, password.constData()) != 0)
        return QStringLiteral("无法设置密码");
    return {};
}
}

ArchiveResult ZipFileLists(const QStringList &files, const QString &archive, const QString &password)
{
    if (const QString problem = checkFiles(files); !problem.isEmpty())
        return ArchiveResult::failure(problem);
    ZipHandle zip(archive, ZIP_CREATE);
    if (!zip.isOpen())
        return ArchiveResult::failure(zip.openError());
    QStringList stored;
    std::vector<bool> utf8; // per entry: its name is UTF-8 (only entries already there)
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip.get(), 0); ++i) {
        stored.append(zip.entryName(quint64(i)));
        utf8.push_back(zip.entryNameIsUtf8(quint64(i)));
    }
    const QByteArray gbkPassword = toGbk(password);
    ArchiveResult result;
    for (const QString &path : files) {
        const QString name = QFileInfo(path).fileName();
        const qsizetype existing = stored.indexOf(name);
        if (const QString problem = putFile(zip.get(), path, existing, gbkPassword); !problem.isEmpty())
            return ArchiveResult::failure(problem);
        if (existing < 0)
            utf8.push_back(false);
        result.names.append(name);
    }
    QString reason;
    if (!zip.commit(reason))
        return ArchiveResult::failure(reason);
    if (!setEntryNameFlags(archive, utf8))
        return ArchiveResult::failure(QStringLiteral("无法写入文件名编码：%1").arg(archive));
    result.ok = true;
    return result;
}

ArchiveResult ZipFiles(const QString &filePattern, const QString &archive, const QString &password)
{
    const QFileInfo given(filePattern);
    const QDir folder = given.isDir() ? QDir(given.filePath()) : given.dir();
    const QString pattern = given.isDir() ? QStringLiteral("*") : given.fileName();
    const QString archivePath = QFileInfo(archive).absoluteFilePath();
    QStringList files;
    const QStringList names = folder.entryList(filePatternToQt(pattern).split(QLatin1Char(' ')),
                                               QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        const QString path = folder.absoluteFilePath(name);
        if (path != archivePath) // the archive may lie in the folder it packs
            files.append(path);
    }
    return ZipFileLists(files, archive, password);
}
