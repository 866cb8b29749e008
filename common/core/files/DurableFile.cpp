#include "core/files/DurableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <limits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// A free name beside `path`, created empty and owner-only (StagingPrefixBeside).
int createBeside(const QString &path, QByteArray &created)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = native(StagingPrefixBeside(path) + QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd = ::open(created.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

QString syncPath(const QString &path, int flags, const QString &shownPath)
{
    const QString named = shownPath.isEmpty() ? path : shownPath;
    const int fd = ::open(native(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return FileWriteFailure(named, errno);
    const int result = ::fsync(fd);
    const int error = errno;
    if (::close(fd) != 0 && result == 0)
        return FileWriteFailure(named, errno);
    return result == 0 ? QString() : FileWriteFailure(named, error);
}

} // namespace

QString FileWriteFailure(const QString &path, int errorNumber)
{
    const QString where = QDir::toNativeSeparators(path);
    if (errorNumber == ENOSPC || errorNumber == EDQUOT)
        return QStringLiteral("磁盘空间不足，无法写入文件%1").arg(where);
    return QStringLiteral("无法写入文件%1（%2）").arg(where, QString::fromLocal8Bit(std::strerror(errorNumber)));
}

QString SyncFile(const QString &path, const QString &shownPath)
{
    return syncPath(path, O_RDONLY, shownPath);
}

QString SyncFolder(const QString &path)
{
    return syncPath(path, O_RDONLY | O_DIRECTORY, {});
}

QString RenameDurably(const QString &from, const QString &to, QString *unflushed)
{
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        return FileWriteFailure(to, errno);
    // The rename is the moment the new file counts; flushing the folder only makes it last.
    const QString flushed = SyncFolder(QFileInfo(to).absolutePath());
    if (unflushed)
        *unflushed = flushed;
    return {};
}

QString UnconfirmedWriteFailure(const QString &shownPath, const QString &unflushed, const QString &again)
{
    return QStringLiteral("文件%1已写入，但未能确认保存到磁盘：%2。%3").arg(shownPath, unflushed, again);
}

namespace {

int writeAll(int fd, const char *data, qsizetype left)
{
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno != EINTR)
            return errno;
        if (n > 0) {
            data += n;
            left -= n;
        }
    }
    return 0;
}

// Fills a fresh file beside `path` through `fill` (returns an error number), flushes it and
// renames it over `path`.
template <typename Fill>
QString placeDurably(const QString &path, unsigned mode, Fill fill)
{
    QByteArray staging;
    const int fd = createBeside(path, staging);
    if (fd < 0)
        return FileWriteFailure(path, errno);
    int error = fill(fd);
    if (error == 0 && ::fchmod(fd, mode_t(mode)) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    QString problem = error ? FileWriteFailure(path, error) : RenameDurably(QFile::decodeName(staging), path);
    if (!problem.isEmpty())
        ::unlink(staging.constData());
    return problem;
}

} // namespace

QString WriteFileDurably(const QString &path, const QByteArray &content, unsigned mode)
{
    return placeDurably(path, mode, [&](int fd) { return writeAll(fd, content.constData(), content.size()); });
}

QString CopyFileDurably(const QString &from, const QString &to, unsigned mode)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("无法读取文件%1").arg(QDir::toNativeSeparators(from));
    return placeDurably(to, mode, [&](int fd) {
        for (;;) {
            const QByteArray chunk = source.read(1 << 20);
            if (chunk.isEmpty())
                return source.error() == QFile::NoError ? 0 : EIO;
            if (const int error = writeAll(fd, chunk.constData(), chunk.size()))
                return error;
        }
    });
}

QString StagingPrefixBeside(const QString &target)
{
    const QFileInfo info(target);
    return info.absoluteDir().filePath(
        QStringLiteral(".%1.quillet-%2-").arg(info.fileName()).arg(qint64(::getpid())));
}

void RemoveStaleStagingFiles(const QString &folder)
{
    static const QRegularExpression staging(QStringLiteral("^\\..+\\.quillet-(\\d+)-[0-9A-Za-z]+(\\.[0-9A-Za-z]+)?$"));
    const QDir dir(folder);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QRegularExpressionMatch match = staging.match(entry.fileName());
        if (!match.hasMatch())
            continue;
        bool number = false;
        const qint64 pid = match.captured(1).toLongLong(&number);
        if (!number || pid <= 0 || pid > std::numeric_limits<pid_t>::max())
            continue;
        const bool gone = pid == ::getpid() || (::kill(pid_t(pid), 0) != 0 && errno == ESRCH);
        if (gone)
            ::unlink(native(entry.filePath()).constData());
    }
}
