#include "core/archive/ZipNameFlags.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

namespace {
constexpr quint32 centralSignature = 0x02014b50;
constexpr quint32 localSignature = 0x04034b50;
constexpr quint32 endSignature = 0x06054b50;
constexpr quint16 utf8Flag = 0x0800;
constexpr qsizetype endRecordSize = 22;

quint16 read16(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 read32(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }

bool setFlag(QByteArray &bytes, qsizetype at, bool on)
{
    if (at < 0 || at + 2 > bytes.size())
        return false;
    quint16 flags = read16(bytes, at);
    flags = on ? quint16(flags | utf8Flag) : quint16(flags & ~utf8Flag);
    qToLittleEndian<quint16>(flags, bytes.data() + at);
    return true;
}
}

bool setEntryNameFlags(const QString &archive, const std::vector<bool> &utf8)
{
    QFile file(archive);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    file.close();
    const qsizetype end = bytes.lastIndexOf(QByteArray::fromHex("504b0506"));
    if (end < 0 || end + endRecordSize > bytes.size() || read32(bytes, end) != endSignature)
        return false;
    const quint16 count = read16(bytes, end + 10);
    qsizetype at = read32(bytes, end + 16);
    if (count != utf8.size() || count == 0xffff)
        return false;
    for (quint16 i = 0; i < count; ++i) {
        if (at + 46 > end || read32(bytes, at) != centralSignature)
            return false;
        const qsizetype local = read32(bytes, at + 42);
        if (local + 30 > at || read32(bytes, local) != localSignature)
            return false;
        if (!setFlag(bytes, at + 8, utf8[i]) || !setFlag(bytes, local + 6, utf8[i]))
            return false;
        at += 46 + read16(bytes, at + 28) + read16(bytes, at + 30) + read16(bytes, at + 32);
    }
    QSaveFile out(archive);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
