#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Single DES over texts, one 8-byte block after the other (electronic code book), as stored
// template values and enciphered pictures use it. The key is the key text's first 8 bytes,
// padded with zero bytes; parity bits are ignored. Plain texts are padded with zero bytes to
// whole blocks and lose all trailing zero bytes when deciphered, so a plain text that ends in
// a zero byte is refused. Failures raise DesError.

QByteArray EncryStr(const QByteArray &text, const QByteArray &key);
// Whole blocks only (a shorter tail is ignored); trailing zero bytes removed.
QByteArray DecryStr(const QByteArray &data, const QByteArray &key);

// Text and key as GBK bytes; the cipher in lower-case hex.
QString DesEncryStrHex(const QString &text, const QString &key);
QString DesDecryStrHex(const QString &hexText, const QString &key);

// Pairs of hex digits of either case as bytes; a final odd digit is ignored.
QByteArray HexTextToBytes(QByteArrayView hexText);
