#include "core/spreadsheet/ZipEntryDevice.h"

#include <zip.h>

ZipEntryDevice::ZipEntryDevice(zip_t *zip, quint64 index) : m_file(zip_fopen_index(zip, index, 0))
{
    m_failed = m_file == nullptr;
    if (m_file)
        open(QIODevice::ReadOnly);
}

ZipEntryDevice::~ZipEntryDevice()
{
    if (m_file)
        zip_fclose(m_file);
}

qint64 ZipEntryDevice::readData(char *data, qint64 maxSize)
{
    const zip_int64_t n = zip_fread(m_file, data, zip_uint64_t(maxSize));
    if (n > 0)
        m_read += n;
    if (n < 0 || m_read > kMaxEntrySize) {
        m_failed = true;
        return -1;
    }
    return n;
}
