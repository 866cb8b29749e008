#include "core/package/StagedFile.h"

#include "core/errors/CorvaneError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>

namespace {

bool renameFile(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error);
    return !error;
}

CorvaneError writeError(const QString &path)
{
    return CorvaneError(QStringLiteral("无法写入文件%1").arg(QDir::toNativeSeparators(path)));
}

} // namespace

QString FreeNameBeside(const QString &target, const QString &tag)
{
    const QFileInfo info(target);
    QTemporaryFile reserve(info.absoluteDir().filePath(QStringLiteral(".%1.%2-XXXXXX").arg(info.fileName(), tag)));
    if (!reserve.open())
        throw writeError(target);
    return reserve.fileName(); // removed again when `reserve` goes
}

StagedFile::StagedFile(QString target) : m_target(std::move(target)) {}

StagedFile::~StagedFile()
{
    // A file set aside and neither kept nor put back stays where it is: never lose one.
    if (!m_installed && !m_staging.isEmpty())
        QFile::remove(m_staging);
}

QString StagedFile::stagingPath()
{
    if (m_staging.isEmpty())
        m_staging = FreeNameBeside(m_target, QStringLiteral("new"));
    return m_staging;
}

void StagedFile::write(const QByteArray &content)
{
    QFile file(stagingPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size() || !file.flush())
        throw writeError(m_target);
}

void StagedFile::install()
{
    const QFileInfo target(m_target);
    if (target.isDir())
        throw writeError(m_target);
    if (target.exists() || target.isSymLink()) {
        m_setAside = FreeNameBeside(m_target, QStringLiteral("old"));
        if (!renameFile(m_target, m_setAside)) {
            m_setAside.clear();
            throw writeError(m_target);
        }
    }
    if (!renameFile(stagingPath(), m_target)) {
        undo();
        throw writeError(m_target);
    }
    m_installed = true;
}

void StagedFile::keep()
{
    if (!m_setAside.isEmpty())
        QFile::remove(m_setAside);
    m_setAside.clear();
}

void StagedFile::undo()
{
    if (m_installed) {
        QFile::remove(m_target);
        m_installed = false;
        m_staging.clear();
    }
    if (!m_setAside.isEmpty() && renameFile(m_setAside, m_target))
        m_setAside.clear();
}
