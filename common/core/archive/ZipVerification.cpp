#include "core/archive/PasswordArchive.h"

#include "core/archive/ZipHandle.h"
#include "core/files/DurableFile.h"
#include "core/text/GbkCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <zip.h>
#include <zlib.h>

namespace {

bool fileCrc(const QString &path, uLong &crc, qint64 &size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    crc = crc32(0, nullptr, 0);
    size = 0;
    for (;;) {
        const QByteArray chunk = file.read(1 << 20);
        if (chunk.isEmpty())
            return file.error() == QFile::NoError;
        crc = crc32(crc, reinterpret_cast<const Bytef *>(chunk.constData()), uInt(chunk.size()));
        size += chunk.size();
    }
}

QString entryFault(zip_t *zip, zip_uint64_t index, const QString &file)
{
    const QString damaged = QStringLiteral("压缩文件写入后校验失败");
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, 0, &stat) != 0)
        return damaged;
    uLong expectedCrc = 0;
    qint64 expectedSize = 0;
    if (!fileCrc(file, expectedCrc, expectedSize))
        return QStringLiteral("无法读取文件：%1").arg(file);
    if (!(stat.valid & ZIP_STAT_SIZE) || stat.size != zip_uint64_t(expectedSize)
        || !(stat.valid & ZIP_STAT_CRC) || stat.crc != expectedCrc)
        return damaged;
    zip_file_t *in = zip_fopen_index(zip, index, 0);
    if (!in)
        return damaged;
    uLong crc = crc32(0, nullptr, 0);
    zip_uint64_t total = 0;
    char buffer[64 * 1024];
    zip_int64_t n = 0;
    while ((n = zip_fread(in, buffer, sizeof buffer)) > 0) {
        crc = crc32(crc, reinterpret_cast<const Bytef *>(buffer), uInt(n));
        total += zip_uint64_t(n);
    }
    zip_fclose(in);
    return n < 0 || total != stat.size || crc != expectedCrc ? damaged : QString();
}

QString freeNameBeside(const QString &target)
{
    for (;;) {
        const QString name = StagingPrefixBeside(target) + QString::number(QRandomGenerator::global()->generate(), 36);
        if (!QFileInfo::exists(name))
            return name;
    }
}

} // namespace

ArchiveResult VerifyArchive(const QString &archive, const QString &password, const QStringList &files)
{
    ZipHandle zip(archive, ZIP_RDONLY | ZIP_CHECKCONS);
    if (!zip.isOpen())
        return ArchiveResult::failure(QStringLiteral("压缩文件写入后校验失败：%1").arg(zip.openError()));
    const QByteArray gbkPassword = toGbk(password);
    zip_set_default_password(zip.get(), gbkPassword.isEmpty() ? nullptr : gbkPassword.constData());
    if (zip_get_num_entries(zip.get(), 0) != files.size())
        return ArchiveResult::failure(QStringLiteral("压缩文件写入后校验失败"));
    ArchiveResult result;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString name = QFileInfo(files[i]).fileName();
        if (zip.entryName(quint64(i)) != name)
            return ArchiveResult::failure(QStringLiteral("压缩文件写入后校验失败"));
        if (const QString fault = entryFault(zip.get(), zip_uint64_t(i), files[i]); !fault.isEmpty())
            return ArchiveResult::failure(fault);
        result.names.append(name);
    }
    result.ok = true;
    return result;
}

ArchiveResult WriteArchiveOver(const QStringList &files, const QString &target, const QString &password,
                               const QString &again)
{
    const QFileInfo info(target);
    if (info.isDir())
        return ArchiveResult::failure(QStringLiteral("同名文件夹已存在：%1").arg(target));
    if (!info.absoluteDir().exists())
        return ArchiveResult::failure(QStringLiteral("文件夹不存在：%1").arg(info.absolutePath()));
    // What an earlier write killed in this folder left behind (also the archive library's own
    // temporary file) goes first.
    RemoveStaleStagingFiles(info.absolutePath());
    const QString staging = freeNameBeside(target);
    ArchiveResult result = ZipFileLists(files, staging, password);
    QString problem = result ? SyncFile(staging) : QString();
    if (result && problem.isEmpty()) {
        const ArchiveResult verified = VerifyArchive(staging, password, files);
        problem = verified ? QString() : verified.reason;
    }
    QString unflushed;
    if (result && problem.isEmpty())
        problem = RenameDurably(staging, info.absoluteFilePath(), &unflushed);
    if (!result || !problem.isEmpty()) {
        QFile::remove(staging);
        return result ? ArchiveResult::failure(problem) : result;
    }
    // The new archive is in place but may not outlast a crash: the user must not take it as kept.
    if (!unflushed.isEmpty())
        return ArchiveResult::failure(
            UnconfirmedWriteFailure(QDir::toNativeSeparators(info.absoluteFilePath()), unflushed, again));
    return result;
}
