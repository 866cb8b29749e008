#include "core/archive/StreamArchive.h"

#include "core/files/DurableFile.h"
#include "core/text/GbkCodec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <future>
#include <thread>
#include <unistd.h>

namespace {

constexpr qint64 kPiece = qint64(1) << 20;
constexpr int kWindow = 32 * 1024;
constexpr int kCryptHeader = 12;
constexpr quint16 kFlags = 0x0001 | 0x0008;  // encrypted, sizes in a descriptor after the data
constexpr quint32 kFileMode = 0100600;

const QString kDamaged = QStringLiteral("压缩文件写入后校验失败");

// The traditional zip cipher.
class ZipCipher
{
public:
    explicit ZipCipher(const QByteArray &password)
    {
        for (char c : password)
            update(quint8(c));
    }
    void encrypt(char *data, qsizetype n)
    {
        for (qsizetype i = 0; i < n; ++i) {
            const quint8 plain = quint8(data[i]);
            data[i] = char(plain ^ keyByte());
            update(plain);
        }
    }
    void decrypt(char *data, qsizetype n)
    {
        for (qsizetype i = 0; i < n; ++i) {
            const quint8 plain = quint8(data[i]) ^ keyByte();
            data[i] = char(plain);
            update(plain);
        }
    }

private:
    static quint32 crcByte(quint32 crc, quint8 c) { return s_table[(crc ^ c) & 0xff] ^ (crc >> 8); }
    quint8 keyByte() const
    {
        const quint32 temp = (m_keys[2] | 2) & 0xffff;
        return quint8((temp * (temp ^ 1)) >> 8);
    }
    void update(quint8 c)
    {
        m_keys[0] = crcByte(m_keys[0], c);
        m_keys[1] = (m_keys[1] + (m_keys[0] & 0xff)) * 134775813u + 1;
        m_keys[2] = crcByte(m_keys[2], quint8(m_keys[1] >> 24));
    }

    static inline const z_crc_t *s_table = get_crc_table();
    quint32 m_keys[3] = {0x12345678u, 0x23456789u, 0x34567890u};
};

void put16(QByteArray &out, quint32 v)
{
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void put32(QByteArray &out, quint32 v)
{
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

quint32 get16(const char *p)
{
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8;
}

quint32 get32(const char *p)
{
    return get16(p) | get16(p + 2) << 16;
}

struct DosTime
{
    quint16 time = 0;
    quint16 date = 0;
};

DosTime dosTime(const QDateTime &when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    return {quint16(t.hour() << 11 | t.minute() << 5 | t.second() / 2),
            quint16((std::max(d.year(), 1980) - 1980) << 9 | d.month() << 5 | d.day())};
}

// One piece of the source deflated on its own, primed with the window before it.
struct Piece
{
    QByteArray out;
    uLong crc = 0;
    qint64 size = 0;
    bool ok = false;
};

Piece deflatePiece(const QByteArray &in, const QByteArray &window, bool last)
{
    Piece piece;
    piece.size = in.size();
    piece.crc = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(in.constData()), uInt(in.size()));
    z_stream z{};
    if (deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return piece;
    if (!window.isEmpty())
        deflateSetDictionary(&z, reinterpret_cast<const Bytef *>(window.constData()), uInt(window.size()));
    piece.out.resize(qsizetype(deflateBound(&z, uLong(in.size()))) + 64);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(in.constData()));
    z.avail_in = uInt(in.size());
    z.next_out = reinterpret_cast<Bytef *>(piece.out.data());
    z.avail_out = uInt(piece.out.size());
    const int result = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
    piece.ok = z.avail_in == 0 && z.avail_out > 0 && (last ? result == Z_STREAM_END : result == Z_OK);
    piece.out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return piece;
}

// The staging file: written with plain system calls, so a full disk is named as such.
class Staging
{
public:
    explicit Staging(const QString &target) : m_shown(target)
    {
        // The shared staging name, so the next write into this folder can remove what a kill left.
        const QString prefix = StagingPrefixBeside(target);
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_path = prefix + QString::number(QRandomGenerator::global()->generate(), 36);
            m_fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            m_problem = FileWriteFailure(target, errno);
    }
    ~Staging()
    {
        closeFile();
        if (!m_kept && !m_path.isEmpty())
            QFile::remove(m_path);
    }
    const QString &path() const { return m_path; }
    const QString &problem() const { return m_problem; }
    qint64 written() const { return m_written; }
    bool write(const char *data, qint64 n)
    {
        while (n > 0 && m_problem.isEmpty()) {
            const ssize_t done = ::write(m_fd, data, size_t(n));
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0) {
                m_problem = FileWriteFailure(m_shown, done < 0 ? errno : ENOSPC);
                break;
            }
            data += done;
            n -= done;
            m_written += done;
        }
        return m_problem.isEmpty();
    }
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    bool finish()
    {
        if (m_problem.isEmpty() && ::fsync(m_fd) != 0)
            m_problem = FileWriteFailure(m_shown, errno);
        closeFile();
        return m_problem.isEmpty();
    }
    void keep() { m_kept = true; }

private:
    void closeFile()
    {
        if (m_fd >= 0 && ::close(m_fd) != 0 && m_problem.isEmpty())
            m_problem = FileWriteFailure(m_shown, errno);
        m_fd = -1;
    }

    QString m_shown;
    QString m_path;
    QString m_problem;
    int m_fd = -1;
    qint64 m_written = 0;
    bool m_kept = false;
};

QByteArray localHeader(const QByteArray &name, DosTime when)
{
    QByteArray h;
    put32(h, 0x04034b50);
    put16(h, 20);
    put16(h, kFlags);
    put16(h, 8);
    put16(h, when.time);
    put16(h, when.date);
    put32(h, 0);  // CRC and sizes follow the data
    put32(h, 0);
    put32(h, 0);
    put16(h, quint32(name.size()));
    put16(h, 0);
    return h + name;
}

QByteArray tail(const QByteArray &name, DosTime when, quint32 crc, quint32 packed, quint32 size, quint32 centralAt)
{
    QByteArray t;
    put32(t, 0x08074b50);
    put32(t, crc);
    put32(t, packed);
    put32(t, size);
    QByteArray central;
    put32(central, 0x02014b50);
    put16(central, 3 << 8 | 20);  // made on Unix, so the file mode counts
    put16(central, 20);
    put16(central, kFlags);
    put16(central, 8);
    put16(central, when.time);
    put16(central, when.date);
    put32(central, crc);
    put32(central, packed);
    put32(central, size);
    put16(central, quint32(name.size()));
    put16(central, 0);
    put16(central, 0);
    put16(central, 0);
    put16(central, 0);
    put32(central, kFileMode << 16);
    put32(central, 0);
    central += name;
    t += central;
    put32(t, 0x06054b50);
    put16(t, 0);
    put16(t, 0);
    put16(t, 1);
    put16(t, 1);
    put32(t, quint32(central.size()));
    put32(t, centralAt);
    put16(t, 0);
    return t;
}

// Reads the source, deflates its pieces on up to four threads and writes them in order.
QString writeEntry(const StreamSource &source, Staging &out, ZipCipher &cipher, quint32 &crc)
{
    const int threads = std::clamp(int(std::thread::hardware_concurrency()), 1, 4);
    std::deque<std::future<Piece>> running;
    QString problem;
    uLong total = crc32(0, nullptr, 0);
    qint64 consumed = 0;
    auto writeFront = [&] {
        Piece piece = running.front().get();
        running.pop_front();
        if (!problem.isEmpty())
            return;
        if (!piece.ok) {
            problem = QStringLiteral("压缩文件异常！");
            return;
        }
        total = crc32_combine(total, piece.crc, z_off_t(piece.size));
        consumed += piece.size;
        cipher.encrypt(piece.out.data(), piece.out.size());
        if (!out.write(piece.out))
            problem = out.problem();
    };
    QByteArray window;
    qint64 offset = 0;
    do {
        const qint64 length = std::min(kPiece, source.size - offset);
        QByteArray in(qsizetype(length), Qt::Uninitialized);
        if (length > 0)
            problem = source.read(offset, in.data(), length);
        if (!problem.isEmpty())
            break;
        offset += length;
        const bool last = offset >= source.size;
        running.push_back(std::async(std::launch::async, deflatePiece, in, window, last));
        window = in.right(kWindow);
        while (int(running.size()) >= 2 * threads || (last && !running.empty()))
            writeFront();
    } while (problem.isEmpty() && offset < source.size);
    while (!running.empty())
        writeFront();
    if (problem.isEmpty() && consumed != source.size)
        problem = QStringLiteral("压缩文件异常！");
    crc = quint32(total);
    return problem;
}

} // namespace

ArchiveResult WriteStreamArchiveOver(const StreamSource &source, const QString &target, const QString &password,
                                     const QString &again)
{
    const QFileInfo info(target);
    if (info.isDir())
        return ArchiveResult::failure(QStringLiteral("同名文件夹已存在：%1").arg(target));
    if (!info.absoluteDir().exists())
        return ArchiveResult::failure(QStringLiteral("文件夹不存在：%1").arg(info.absolutePath()));
    if (!fitsGbk(source.entryName))
        return ArchiveResult::failure(QStringLiteral("文件名含有无法保存的字符：%1").arg(source.entryName));
    if (source.size < 0 || source.size > kStreamArchiveMaxSize)
        return ArchiveResult::failure(QStringLiteral("压缩文件异常！"));

    RemoveStaleStagingFiles(info.absolutePath());
    const QByteArray name = toGbk(source.entryName);
    const DosTime when = dosTime(QDateTime::currentDateTime());
    Staging out(target);
    if (!out.problem().isEmpty())
        return ArchiveResult::failure(out.problem());
    ZipCipher cipher(toGbk(password));
    QByteArray header(kCryptHeader, Qt::Uninitialized);
    for (char &c : header)
        c = char(QRandomGenerator::system()->bounded(256));
    header[kCryptHeader - 1] = char(when.time >> 8);
    cipher.encrypt(header.data(), header.size());
    if (!out.write(localHeader(name, when)) || !out.write(header))
        return ArchiveResult::failure(out.problem());
    const qint64 dataAt = out.written() - kCryptHeader;
    quint32 crc = 0;
    if (const QString problem = writeEntry(source, out, cipher, crc); !problem.isEmpty())
        return ArchiveResult::failure(problem);
    const qint64 packed = out.written() - dataAt;
    if (out.written() > kStreamArchiveMaxSize)
        return ArchiveResult::failure(QStringLiteral("压缩文件异常！"));
    if (!out.write(tail(name, when, crc, quint32(packed), quint32(source.size), quint32(out.written() + 16))) || !out.finish())
        return ArchiveResult::failure(out.problem());

    if (const QString fault = CheckStreamArchive(out.path(), password, source.entryName, crc, source.size); !fault.isEmpty())
        return ArchiveResult::failure(fault);
    QString unflushed;
    if (const QString problem = RenameDurably(out.path(), info.absoluteFilePath(), &unflushed); !problem.isEmpty())
        return ArchiveResult::failure(problem);
    out.keep();
    if (!unflushed.isEmpty())
        return ArchiveResult::failure(
            UnconfirmedWriteFailure(QDir::toNativeSeparators(info.absoluteFilePath()), unflushed, again));
    ArchiveResult result;
    result.ok = true;
    result.names.append(source.entryName);
    return result;
}

QString CheckStreamArchive(const QString &archive, const QString &password, const QString &entryName, quint32 crc,
                           qint64 size)
{
    QFile file(archive);
    if (!file.open(QIODevice::ReadOnly))
        return kDamaged;
    const QByteArray name = toGbk(entryName);
    const qint64 length = file.size();
    const qint64 centralSize = 46 + name.size();
    const qint64 endSize = 22;
    if (length < 30 + name.size() + kCryptHeader + 16 + centralSize + endSize || !file.seek(length - endSize - centralSize - 16))
        return kDamaged;
    const QByteArray back = file.read(16 + centralSize + endSize);
    if (back.size() != 16 + centralSize + endSize)
        return kDamaged;
    const char *descriptor = back.constData();
    const char *central = descriptor + 16;
    const char *end = central + centralSize;
    const qint64 packed = get32(central + 20);
    if (get32(end) != 0x06054b50 || get16(end + 8) != 1 || get16(end + 10) != 1 || get32(end + 12) != centralSize
        || get32(end + 16) != length - endSize - centralSize || get16(end + 20) != 0)
        return kDamaged;
    if (get32(central) != 0x02014b50 || get16(central + 8) != kFlags || get16(central + 10) != 8
        || get32(central + 16) != crc || get32(central + 24) != size || get16(central + 28) != name.size()
        || get16(central + 30) != 0 || get16(central + 32) != 0 || get32(central + 42) != 0
        || QByteArray(central + 46, name.size()) != name)
        return kDamaged;
    if (get32(descriptor) != 0x08074b50 || get32(descriptor + 4) != crc || get32(descriptor + 8) != packed
        || get32(descriptor + 12) != size)
        return kDamaged;
    const quint32 time = get16(central + 12);
    const qint64 dataAt = 30 + name.size();
    if (dataAt + packed != length - endSize - centralSize - 16 || !file.seek(0))
        return kDamaged;
    const QByteArray local = file.read(dataAt);
    if (local.size() != dataAt || get32(local.constData()) != 0x04034b50 || get16(local.constData() + 6) != kFlags
        || get16(local.constData() + 8) != 8 || get16(local.constData() + 10) != time
        || get16(local.constData() + 26) != name.size() || get16(local.constData() + 28) != 0 || local.mid(30) != name)
        return kDamaged;

    ZipCipher cipher(toGbk(password));
    QByteArray header = file.read(kCryptHeader);
    if (header.size() != kCryptHeader)
        return kDamaged;
    cipher.decrypt(header.data(), header.size());
    if (quint8(header.back()) != (time >> 8))
        return kDamaged;

    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK)
        return kDamaged;
    QByteArray plain(256 * 1024, Qt::Uninitialized);
    uLong check = crc32(0, nullptr, 0);
    qint64 left = packed - kCryptHeader;
    qint64 total = 0;
    int result = Z_OK;
    while (left > 0 && result == Z_OK) {
        QByteArray in = file.read(std::min<qint64>(left, kPiece));
        if (in.isEmpty())
            break;
        left -= in.size();
        cipher.decrypt(in.data(), in.size());
        z.next_in = reinterpret_cast<Bytef *>(in.data());
        z.avail_in = uInt(in.size());
        do {
            z.next_out = reinterpret_cast<Bytef *>(plain.data());
            z.avail_out = uInt(plain.size());
            result = inflate(&z, Z_NO_FLUSH);
            if (result == Z_BUF_ERROR && z.avail_in == 0)
                result = Z_OK;  // wants the next piece
            const qint64 got = plain.size() - qint64(z.avail_out);
            check = crc32(check, reinterpret_cast<const Bytef *>(plain.constData()), uInt(got));
            total += got;
        } while (result == Z_OK && z.avail_out == 0);
        if (result == Z_STREAM_END && (z.avail_in != 0 || left != 0))
            result = Z_DATA_ERROR;
    }
    inflateEnd(&z);
    if (result != Z_STREAM_END || total != size || check != crc)
        return kDamaged;
    return {};
}
