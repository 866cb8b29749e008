#include "helpers/CraftedXls.h"

#include <QtEndian>

#include <cstring>

namespace {

constexpr quint32 kFree = 0xFFFFFFFF, kEndOfChain = 0xFFFFFFFE, kFatSector = 0xFFFFFFFD;
constexpr int kSector = 512;
constexpr int kSmallStreamLimit = 4096; // smaller streams would go to the mini stream

template <typename T>
void put(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

QByteArray bof(quint16 kind)
{
    QByteArray data;
    for (const quint16 value : {quint16(0x0600), kind, quint16(0x0DBB), quint16(0x07CC)})
        put(data, value);
    put(data, quint32(0));
    put(data, quint32(6));
    return CraftedXls::record(0x0809, data);
}

QByteArray directoryEntry(const QString &name, quint8 type, quint32 child, quint32 start, quint32 size)
{
    QByteArray entry;
    if (!name.isEmpty()) {
        for (const QChar c : name + QChar(0))
            put(entry, quint16(c.unicode()));
    }
    const quint16 nameBytes = quint16(entry.size());
    entry.resize(64, '\0');
    put(entry, nameBytes);
    entry.append(char(type)).append(char(1)); // black node
    put(entry, kFree); // left sibling
    put(entry, kFree); // right sibling
    put(entry, child);
    entry.append(36, '\0'); // class id, state bits, times
    put(entry, start);
    put(entry, size);
    put(entry, quint32(0));
    return entry;
}

// Header, one FAT sector, one directory sector, then the stream in consecutive sectors.
QByteArray compoundFile(QByteArray stream)
{
    if (stream.size() < kSmallStreamLimit)
        stream.resize(kSmallStreamLimit, '\0');
    const int sectors = int((stream.size() + kSector - 1) / kSector);
    stream.resize(qsizetype(sectors) * kSector, '\0');

    QByteArray file = QByteArray::fromHex("D0CF11E0A1B11AE1");
    file.append(16, '\0');
    for (const quint16 value : {quint16(0x3E), quint16(3), quint16(0xFFFE), quint16(9), quint16(6)})
        put(file, value);
    file.append(6, '\0');
    for (const quint32 value : {quint32(0), quint32(1), quint32(1), quint32(0), quint32(kSmallStreamLimit), kEndOfChain,
                                quint32(0), kEndOfChain, quint32(0)})
        put(file, value); // 1 FAT sector, directory at 1, no mini FAT, no extra DIFAT
    put(file, quint32(0)); // the FAT is sector 0
    while (file.size() < kSector)
        put(file, kFree);

    QByteArray fat;
    put(fat, kFatSector);
    put(fat, kEndOfChain); // directory
    for (int s = 2; s < 2 + sectors; ++s)
        put(fat, s + 1 < 2 + sectors ? quint32(s + 1) : kEndOfChain);
    while (fat.size() < kSector)
        put(fat, kFree);
    Q_ASSERT(fat.size() == kSector); // a single FAT sector holds the chains of these small files

    QByteArray directory = directoryEntry(QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0)
                           + directoryEntry(QStringLiteral("Workbook"), 2, kFree, 2, quint32(stream.size()))
                           + directoryEntry({}, 0, kFree, kEndOfChain, 0) + directoryEntry({}, 0, kFree, kEndOfChain, 0);
    return file + fat + directory + stream;
}

} // namespace

namespace CraftedXls {

QByteArray record(quint16 type, const QByteArray &data)
{
    QByteArray out;
    put(out, type);
    put(out, quint16(data.size()));
    return out + data;
}

QByteArray dimension(quint32 rows, quint16 columns)
{
    QByteArray data;
    put(data, quint32(0));
    put(data, rows);
    put(data, quint16(0));
    put(data, columns);
    put(data, quint16(0));
    return record(0x0200, data);
}

QByteArray number(quint16 row, quint16 column, double value)
{
    QByteArray data;
    put(data, row);
    put(data, column);
    put(data, quint16(0)); // format
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    put(data, bits);
    return record(0x0203, data);
}

QByteArray workbook(const QList<QByteArray> &sheetRecords)
{
    const QByteArray endOfFile = record(0x000A, {});
    QList<QByteArray> sheets;
    for (const QByteArray &records : sheetRecords)
        sheets << bof(0x0010) + records + endOfFile;

    QByteArray globals = bof(0x0005) + record(0x0042, QByteArray::fromHex("B004")); // UTF-16 code page
    const qsizetype boundSheetSize = 4 + 8 + 2; // record header, offset, flags, name "S<n>"
    quint32 sheetAt = quint32(globals.size() + sheets.size() * boundSheetSize + endOfFile.size());
    Q_ASSERT(sheets.size() <= 9); // names of two letters
    for (int i = 0; i < sheets.size(); ++i) {
        const QByteArray name = "S" + QByteArray::number(i + 1);
        QByteArray data;
        put(data, sheetAt);
        put(data, quint16(0)); // visible worksheet
        data.append(char(name.size())).append(char(0)).append(name); // 8-bit characters
        globals += record(0x0085, data);
        sheetAt += quint32(sheets[i].size());
    }
    return compoundFile(globals + endOfFile + sheets.join());
}

} // namespace CraftedXls
