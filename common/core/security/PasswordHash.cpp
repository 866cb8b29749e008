#include "core/security/PasswordHash.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStringList>

namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
constexpr int kRounds = 60000;
// A stored hash names its own cost; a crafted row (a restored database) must not freeze the login.
constexpr int kMinRounds = 1000;
constexpr int kMaxRounds = 1000000;
constexpr int kKeyLength = 32;
constexpr int kSaltLength = 16;

QString caseFolded(const QString &text)
{
    QString folded = text;
    for (QChar &c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return folded;
}

// PBKDF2 with HMAC-SHA256 (RFC 8018), here rather than from the network library, which the
// login would otherwise load before its dialog shows.
QByteArray pbkdf2Sha256(const QByteArray &password, const QByteArray &salt, int rounds, int length)
{
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, password);
    QByteArray key;
    for (quint32 block = 1; key.size() < length; ++block) {
        const char number[4] = {char(block >> 24), char(block >> 16), char(block >> 8), char(block)};
        mac.reset();
        mac.addData(salt);
        mac.addData(number, 4);
        QByteArray u = mac.result();
        QByteArray sum = u;
        for (int round = 1; round < rounds; ++round) {
            mac.reset();
            mac.addData(u);
            u = mac.result();
            for (qsizetype i = 0; i < sum.size(); ++i)
                sum[i] = char(sum[i] ^ u[i]);
        }
        key += sum;
    }
    return key.left(length);
}

QByteArray derive(const QString &password, const QByteArray &salt, int rounds)
{
    return pbkdf2Sha256(caseFolded(password).toUtf8(), salt, rounds, kKeyLength);
}

bool constantTimeEqual(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

} // namespace

namespace PasswordHash {

QString make(const QString &password)
{
    QByteArray salt(kSaltLength, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(salt.data()), kSaltLength / 4);
    return QStringList{kScheme, QString::number(kRounds), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(password, salt, kRounds).toBase64())}
        .join('$');
}

bool isHash(const QString &stored)
{
    return stored.startsWith(kScheme + '$');
}

bool matches(const QString &typed, const QString &stored)
{
    if (!isHash(stored))
        return caseFolded(typed) == caseFolded(stored);
    const QStringList parts = stored.split('$');
    if (parts.size() != 4)
        return false;
    const int rounds = parts[1].toInt();
    if (rounds < kMinRounds || rounds > kMaxRounds)
        return false;
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray key = QByteArray::fromBase64(parts[3].toLatin1());
    return constantTimeEqual(derive(typed, salt, rounds), key);
}

}
