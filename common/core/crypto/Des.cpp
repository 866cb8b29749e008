#include "core/crypto/Des.h"

#include "core/crypto/DesBlockCipher.h"
#include "core/crypto/DesError.h"
#include "core/text/GbkCodec.h"

#include <QtEndian>

namespace {

constexpr int kBlock = 8;

DesBlockCipher CipherFor(const QByteArray &key)
{
    char keyBytes[kBlock] = {};
    memcpy(keyBytes, key.constData(), std::min<qsizetype>(key.size(), kBlock));
    return DesBlockCipher(qFromBigEndian<quint64>(keyBytes));
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw DesError(QStringLiteral("Error: not a Hex String"));
}

} // namespace

QByteArray EncryStr(const QByteArray &text, const QByteArray &key)
{
    if (text.endsWith('\0'))
        throw DesError(QStringLiteral("Error: the last char is NULL char."));
    const DesBlockCipher cipher = CipherFor(key);
    QByteArray padded = text;
    padded.append((kBlock - text.size() % kBlock) % kBlock, '\0');
    for (qsizetype at = 0; at < padded.size(); at += kBlock) {
        char *block = padded.data() + at;
        qToBigEndian(cipher.encrypt(qFromBigEndian<quint64>(block)), block);
    }
    return padded;
}

QByteArray DecryStr(const QByteArray &data, const QByteArray &key)
{
    const DesBlockCipher cipher = CipherFor(key);
    QByteArray plain = data.left(data.size() - data.size() % kBlock);
    for (qsizetype at = 0; at < plain.size(); at += kBlock) {
        char *block = plain.data() + at;
        qToBigEndian(cipher.decrypt(qFromBigEndian<quint64>(block)), block);
    }
    qsizetype end = plain.size();
    while (end > 0 && plain[end - 1] == '\0')
        --end;
    plain.truncate(end);
    return plain;
}

QString DesEncryStrHex(const QString &text, const QString &key)
{
    return QString::fromLatin1(EncryStr(toGbk(text), toGbk(key)).toHex());
}

QString DesDecryStrHex(const QString &hexText, const QString &key)
{
    return fromGbk(DecryStr(HexTextToBytes(hexText.toLatin1()), toGbk(key)));
}

QByteArray HexTextToBytes(QByteArrayView hexText)
{
    QByteArray bytes(hexText.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(HexDigit(hexText[2 * i]) << 4 | HexDigit(hexText[2 * i + 1]));
    return bytes;
}
