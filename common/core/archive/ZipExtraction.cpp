#include "core/archive/PasswordArchive.h"

#include "core/archive/ZipEntryName.h"
#include "core/archive/ZipHandle.h"
#include "core/text/GbkCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include <zip.h>
#include <zlib.h>

namespace {
const QString kNoRoom = QStringLiteral("磁盘空间不足，无法解压文件");

struct ExtractedEntry
{
    std::unique_ptr<QTemporaryFile> file;
    QString name;
};

// Data of another length than the entry says fails the data check as a wrong CRC does: with a
// wrong password that passed the check byte it is the usual outcome, and it must read the same.
QString lengthMismatch(const QString &name)
{
    return QStringLiteral("数据校验失败：%1的长度不符，密码错误或文件已损坏").arg(name);
}

// Reads one entry into a temporary file beside its final place and checks size and CRC.
// `atDestination` tells a failure to write from one of the archive.
QString extractEntry(zip_t *zip, zip_uint64_t index, const QDir &folder, ExtractedEntry &entry, bool &atDestination)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, 0, &stat) != 0)
        return ZipHandle::reasonOf(zip_error_code_zip(zip_get_error(zip)), zip_strerror(zip));
    zip_file_t *in = zip_fopen_index(zip, index, 0);
    if (!in)
        return ZipHandle::reasonOf(zip_error_code_zip(zip_get_error(zip)), zip_strerror(zip));

    entry.file = std::make_unique<QTemporaryFile>(folder.filePath(QStringLiteral(".unzip-XXXXXX")));
    if (!entry.file->open()) {
        zip_fclose(in);
        atDestination = true;
        return QStringLiteral("无法写入目标文件夹：%1").arg(folder.path());
    }
    QString problem;
    uLong crc = crc32(0, nullptr, 0);
    zip_uint64_t total = 0;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t n = zip_fread(in, buffer, sizeof buffer);
        if (n < 0) {
            problem = ZipHandle::reasonOf(zip_error_code_zip(zip_file_get_error(in)), zip_file_strerror(in));
            break;
        }
        if (n == 0)
            break;
        crc = crc32(crc, reinterpret_cast<const Bytef *>(buffer), uInt(n));
        total += zip_uint64_t(n);
        if ((stat.valid & ZIP_STAT_SIZE) && total > stat.size) {
            problem = lengthMismatch(entry.name);
            break;
        }
        if (entry.file->write(buffer, n) != n) {
            atDestination = true;
            problem = entry.file->error() == QFileDevice::ResourceError
                ? QStringLiteral("磁盘空间不足，无法写入文件：%1").arg(entry.name)
                : QStringLiteral("无法写入文件：%1").arg(entry.name);
            break;
        }
    }
    zip_fclose(in);
    if (problem.isEmpty() && ((stat.valid & ZIP_STAT_SIZE) && total != stat.size))
        problem = lengthMismatch(entry.name);
    if (problem.isEmpty() && ((stat.valid & ZIP_STAT_CRC) && crc != stat.crc))
        problem = QStringLiteral("数据校验失败：密码错误或文件已损坏");
    if (problem.isEmpty() && !entry.file->flush()) {
        atDestination = true;
        problem = entry.file->error() == QFileDevice::ResourceError
            ? QStringLiteral("磁盘空间不足，无法写入文件：%1").arg(entry.name)
            : QStringLiteral("无法写入文件：%1").arg(entry.name);
    }
    return problem;
}

// Moves every extracted file into place; a file of the same name is replaced as a whole.
QString commitEntries(std::vector<ExtractedEntry> &entries, const QDir &folder)
{
    for (const ExtractedEntry &entry : entries) {
        const QFileInfo target(folder.filePath(entry.name));
        if (target.isDir() && !target.isSymLink())
            return QStringLiteral("同名文件夹已存在：%1").arg(entry.name);
    }
    for (ExtractedEntry &entry : entries) {
        entry.file->close();
        entry.file->setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                                   | QFile::ReadGroup | QFile::ReadOther);
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(entry.file->fileName()).toStdString(),
                                QFile::encodeName(folder.filePath(entry.name)).toStdString(), error);
        if (error)
            return QStringLiteral("无法写入文件：%1").arg(entry.name);
        entry.file->setAutoRemove(false);
    }
    return {};
}

// Refuses, before anything is written, archives that unpack to more than the limits allow or
// than the destination has room for (a small file that expands into gigabytes).
QString sizeFault(zip_t *zip, const QString &folderPath, const ArchiveLimits &limits, bool firstOnly)
{
    qint64 total = 0;
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(zip, zip_uint64_t(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
            return QStringLiteral("不是有效的压缩文件或文件已损坏");
        const qint64 size = qint64(std::min<zip_uint64_t>(stat.size, zip_uint64_t(1) << 62));
        const qint64 packed = (stat.valid & ZIP_STAT_COMP_SIZE) ? qint64(stat.comp_size) : size;
        if (size > (qint64(1) << 20) && size / std::max<qint64>(packed, 1) > limits.maxRatio)
            return QStringLiteral("压缩文件中的文件过大（压缩比异常）");
        total += size;
        if (total > limits.maxTotalSize)
            return QStringLiteral("压缩文件解压后过大");
        if (firstOnly && size > 0)
            break;
    }
    const QStorageInfo disk(folderPath);
    if (disk.isValid() && disk.bytesAvailable() >= 0 && total + (qint64(16) << 20) > disk.bytesAvailable())
        return kNoRoom;
    return {};
}

ArchiveResult extract(const QString &archive, const QString &folderPath, const QString &password, bool firstOnly,
                      const ArchiveLimits &limits)
{
    ZipHandle zip(archive, ZIP_RDONLY);
    if (!zip.isOpen())
        return ArchiveResult::failure(zip.openError());
    if (!QDir().mkpath(folderPath))
        return ArchiveResult::destinationFailure(QStringLiteral("无法建立文件夹：%1").arg(folderPath));
    if (const QString problem = sizeFault(zip.get(), folderPath, limits, firstOnly); !problem.isEmpty())
        return problem == kNoRoom ? ArchiveResult::destinationFailure(problem) : ArchiveResult::failure(problem);
    const QDir folder(folderPath);
    const QByteArray gbkPassword = toGbk(password);
    zip_set_default_password(zip.get(), gbkPassword.isEmpty() ? nullptr : gbkPassword.constData());

    std::vector<ExtractedEntry> entries;
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    for (zip_int64_t i = 0; i < count && !(firstOnly && !entries.empty()); ++i) {
        const zip_uint64_t index = zip_uint64_t(i);
        const QString stored = zip.entryName(index);
        if (stored.endsWith(QLatin1Char('/')) || stored.endsWith(QLatin1Char('\\')))
            continue; // folders: no paths are kept
        ExtractedEntry entry;
        entry.name = safeEntryFileName(stored);
        if (entry.name.isEmpty())
            continue;
        bool atDestination = false;
        if (const QString problem = extractEntry(zip.get(), index, folder, entry, atDestination); !problem.isEmpty())
            return atDestination ? ArchiveResult::destinationFailure(problem) : ArchiveResult::failure(problem);
        entries.push_back(std::move(entry));
    }
    if (entries.empty())
        return ArchiveResult::failure(QStringLiteral("压缩包中没有文件"));
    if (const QString problem = commitEntries(entries, folder); !problem.isEmpty())
        return ArchiveResult::destinationFailure(problem);
    ArchiveResult result;
    result.ok = true;
    for (const ExtractedEntry &entry : entries)
        result.names.append(entry.name);
    return result;
}
}

ArchiveResult UnZipFiles(const QString &archive, const QString &folder, const QString &password,
                         const ArchiveLimits &limits)
{
    return extract(archive, folder, password, false, limits);
}

ArchiveResult UnZipFiles2(const QString &archive, const QString &folder, const QString &password, QString &names)
{
    ArchiveResult result = extract(archive, folder, password, false, {});
    names = result.names.join(QLatin1Char(';'));
    return result;
}

ArchiveResult UnZipFirstFiles(const QString &archive, const QString &folder, const QString &password)
{
    return extract(archive, folder, password, true, {});
}
