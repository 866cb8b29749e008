#pragma once

#include <QString>

typedef struct zip zip_t;

// An open libzip archive; discarded unchanged unless commit() succeeds.
class ZipHandle
{
public:
    ZipHandle(const QString &path, int flags);
    ~ZipHandle();
    ZipHandle(const ZipHandle &) = delete;
    ZipHandle &operator=(const ZipHandle &) = delete;

    zip_t *get() const { return m_zip; }
    bool isOpen() const { return m_zip != nullptr; }
    const QString &openError() const { return m_openError; }

    // Writes the changes (libzip replaces the file only when all went well).
    bool commit(QString &reason);

    // The stored name of an entry, decoded as UTF-8 when the entry is marked so, else as GBK.
    QString entryName(quint64 index) const;
    bool entryNameIsUtf8(quint64 index) const;

    // The reason of the archive's last error.
    QString lastError() const;

    static QString reasonOf(int zipErrorCode, const char *libzipText);

private:
    zip_t *m_zip = nullptr;
    QString m_openError;
};
