#include "core/db/DatabaseUseLock.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

struct Held
{
    int fd = -1;
    QString path; // the lock file
};

Held &processLock()
{
    static Held process;
    return process;
}

QString lockFileOf(const QString &databaseFile)
{
    return QFileInfo(databaseFile).absoluteFilePath() + QStringLiteral(".lock");
}

int openLockFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC); // a read-only folder: lock what is there
    return fd;
}

int lockNow(int fd, int operation)
{
    int result;
    do
        result = ::flock(fd, operation | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result;
}

} // namespace

namespace DatabaseUseLock {

bool holdShared(const QString &databaseFile, bool *alone)
{
    if (alone)
        *alone = false;
    const QString path = lockFileOf(databaseFile);
    Held &mine = processLock();
    if (mine.fd >= 0 && mine.path != path)
        release();
    if (mine.fd < 0) {
        mine.fd = openLockFile(path);
        mine.path = path;
    }
    if (mine.fd < 0) {
        // No lock file that can be made: no other program holds one either.
        if (alone)
            *alone = !QFileInfo::exists(path);
        return false;
    }
    if (alone)
        *alone = lockNow(mine.fd, LOCK_EX) == 0;
    // An exclusive lock elsewhere is a restore at work: give it a few seconds.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (lockNow(mine.fd, LOCK_SH) == 0)
            return true;
        QThread::msleep(100);
    }
    return false;
}

void release()
{
    Held &mine = processLock();
    if (mine.fd >= 0)
        ::close(mine.fd);
    mine = Held();
}

Alone::Alone(const QString &databaseFile)
{
    const QString path = lockFileOf(databaseFile);
    Held &mine = processLock();
    if (mine.fd >= 0 && mine.path == path) {
        // Changing one's own shared lock into an exclusive one is no atomic step: when it is
        // refused the shared lock is taken again.
        m_wasShared = true;
        m_held = lockNow(mine.fd, LOCK_EX) == 0;
        if (!m_held)
            lockNow(mine.fd, LOCK_SH);
        return;
    }
    // Every running program made the file at its start: without one, none holds it.
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    m_held = m_fd < 0 ? !QFileInfo::exists(path) : lockNow(m_fd, LOCK_EX) == 0;
}

Alone::~Alone()
{
    if (m_wasShared) {
        if (m_held)
            lockNow(processLock().fd, LOCK_SH);
        return;
    }
    if (m_fd >= 0)
        ::close(m_fd);
}

QString OtherProgramRunningText()
{
    return QStringLiteral("另一个Quillet程序正在使用数据库，请先关闭其他的Quillet程序，再恢复数据");
}

} // namespace DatabaseUseLock
