#pragma once

#include <QIODevice>

typedef struct zip zip_t;
typedef struct zip_file zip_file_t;

// One entry of an open zip archive as a sequential read-only device, decompressed as it is
// read. A damaged entry (bad data or CRC) makes a read fail.
class ZipEntryDevice : public QIODevice
{
public:
    ZipEntryDevice(zip_t *zip, quint64 index);
    ~ZipEntryDevice() override;

    bool isSequential() const override { return true; }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    zip_file_t *m_file = nullptr;
    bool m_failed = false;
};
