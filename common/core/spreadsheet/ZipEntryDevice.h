#pragma once

#include <QIODevice>

typedef struct zip zip_t;
typedef struct zip_file zip_file_t;

// One entry of an open zip archive as a sequential read-only device, decompressed as it is
// read. A damaged entry (bad data or CRC) makes a read fail, and so does an entry that expands
// beyond kMaxEntrySize (a small file that would unpack into gigabytes).
class ZipEntryDevice : public QIODevice
{
public:
    ZipEntryDevice(zip_t *zip, quint64 index);
    ~ZipEntryDevice() override;

    bool isSequential() const override { return true; }
    bool failed() const { return m_failed; }

    static constexpr qint64 kMaxEntrySize = qint64(256) << 20;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    zip_file_t *m_file = nullptr;
    bool m_failed = false;
    qint64 m_read = 0;
};
