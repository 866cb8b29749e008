#include "core/archive/ZipHandle.h"

#include "core/archive/ZipEntryName.h"

#include <QFile>

#include <cerrno>

#include <zip.h>

ZipHandle::ZipHandle(const QString &path, int flags)
{
    int code = 0;
    m_zip = zip_open(QFile::encodeName(path).constData(), flags, &code);
    if (!m_zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        m_openError = reasonOf(code, zip_error_strerror(&error));
        zip_error_fini(&error);
    }
}

ZipHandle::~ZipHandle()
{
    if (m_zip)
        zip_discard(m_zip);
}

bool ZipHandle::commit(QString &reason)
{
    if (zip_close(m_zip) == 0) {
        m_zip = nullptr;
        return true;
    }
    reason = lastError();
    return false;
}

QString ZipHandle::entryName(quint64 index) const
{
    return decodeEntryName(zip_get_name(m_zip, index, ZIP_FL_ENC_RAW), entryNameIsUtf8(index));
}

bool ZipHandle::entryNameIsUtf8(quint64 index) const
{
    // libzip hands the strict name back unchanged only when the entry is marked UTF-8 (the
    // flag or the Unicode path field) or is plain ASCII; either way UTF-8 reads it right.
    const char *raw = zip_get_name(m_zip, index, ZIP_FL_ENC_RAW);
    const QByteArray rawName(raw ? raw : "");
    const char *strict = zip_get_name(m_zip, index, ZIP_FL_ENC_STRICT);
    return strict && rawName == QByteArray(strict);
}

QString ZipHandle::lastError() const
{
    zip_error_t *error = zip_get_error(m_zip);
    if (zip_error_system_type(error) == ZIP_ET_SYS && (zip_error_code_system(error) == ENOSPC || zip_error_code_system(error) == EDQUOT))
        return QStringLiteral("磁盘空间不足，无法写入压缩文件");
    return reasonOf(zip_error_code_zip(error), zip_error_strerror(error));
}

QString ZipHandle::reasonOf(int zipErrorCode, const char *libzipText)
{
    switch (zipErrorCode) {
    case ZIP_ER_WRONGPASSWD:
    case ZIP_ER_NOPASSWD:
        return QStringLiteral("密码错误");
    case ZIP_ER_CRC:
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
        return QStringLiteral("数据校验失败：密码错误或文件已损坏");
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
    case ZIP_ER_EOF:
    case ZIP_ER_READ:
        return QStringLiteral("不是有效的压缩文件或文件已损坏");
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
        return QStringLiteral("无法打开文件");
    default:
        return QString::fromLocal8Bit(libzipText);
    }
}
