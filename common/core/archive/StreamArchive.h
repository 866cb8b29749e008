#pragma once

#include "core/archive/ArchiveResult.h"

#include <QString>

#include <functional>

// A one-entry password archive written straight from a source read in pieces (no copy of the
// source on the disk first). Deflate level 9, pieces deflated on several threads, each primed
// with the 32 KiB before it and ended on a byte boundary, so the entry is one ordinary deflate
// stream; traditional zip encryption checked by the time byte, as zip -P writes it. Entry name
// in GBK, owner-only file mode.
struct StreamSource
{
    QString entryName;
    qint64 size = 0;
    // Fills `length` bytes at `offset`; the reason of a failure, or an empty text.
    std::function<QString(qint64 offset, char *buffer, qint64 length)> read;
};

// The largest source written this way (no zip64 here); larger ones go through the archive library.
constexpr qint64 kStreamArchiveMaxSize = qint64(0xF0000000);

// Writes the archive beside `target`, flushes it, reads it back whole (headers, decryption,
// inflate, CRC and size against what was read from the source) and only then renames it over
// `target`. On any failure the target is as it was and nothing is left beside it, except when the
// flush of the folder after the rename fails: then the failure says so, ending with `again`.
ArchiveResult WriteStreamArchiveOver(const StreamSource &source, const QString &target, const QString &password,
                                     const QString &again);

// Reads a one-entry archive written as above through and compares it with the CRC and size the
// source had; the reason of a mismatch, or an empty text.
QString CheckStreamArchive(const QString &archive, const QString &password, const QString &entryName, quint32 crc,
                           qint64 size);
