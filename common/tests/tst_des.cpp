#include "core/crypto/Des.h"
#include "core/crypto/DesBlockCipher.h"
#include "core/crypto/DesError.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// openssl's single DES in ECB without padding: the independent oracle.
QByteArray OpenSslDes(const QByteArray &input, const QByteArray &key, bool decrypt)
{
    QProcess openssl;
    QStringList arguments{"enc", "-des-ecb", "-nopad", "-K", QString::fromLatin1(key.toHex()),
                          "-provider", "legacy", "-provider", "default"};
    if (decrypt)
        arguments << "-d";
    openssl.start("openssl", arguments);
    openssl.write(input);
    openssl.closeWriteChannel();
    openssl.waitForFinished();
    if (openssl.exitCode() != 0)
        qWarning() << openssl.readAllStandardError();
    return openssl.readAllStandardOutput();
}

QByteArray ZeroPadded(QByteArray bytes, int size = 8)
{
    bytes.append((size - bytes.size() % size) % size, '\0');
    return bytes;
}

QByteArray WithoutTrailingZeros(QByteArray bytes)
{
    while (bytes.endsWith('\0'))
        bytes.chop(1);
    return bytes;
}

QByteArray RandomBytes(QRandomGenerator &random, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

} // namespace

class TestDes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Known answers of the standard's validation tests (variable plain text, variable key,
    // permutation and substitution tables).
    void knownAnswerBlocks_data()
    {
        QTest::addColumn<quint64>("key");
        QTest::addColumn<quint64>("plain");
        QTest::addColumn<quint64>("cipher");
        QTest::newRow("plain 80..") << 0x0101010101010101ull << 0x8000000000000000ull << 0x95f8a5e5dd31d900ull;
        QTest::newRow("plain 40..") << 0x0101010101010101ull << 0x4000000000000000ull << 0xdd7f121ca5015619ull;
        QTest::newRow("plain 20..") << 0x0101010101010101ull << 0x2000000000000000ull << 0x2e8653104f3834eaull;
        QTest::newRow("key 80..") << 0x8001010101010101ull << 0ull << 0x95a8d72813daa94dull;
        QTest::newRow("key 40..") << 0x4001010101010101ull << 0ull << 0x0eec1487dd8c26d5ull;
        QTest::newRow("permutation 1") << 0x1046913489980131ull << 0ull << 0x88d55e54f54c97b4ull;
        QTest::newRow("permutation 2") << 0x1007103489988020ull << 0ull << 0x0c0cc00c83ea48fdull;
        QTest::newRow("substitution 1") << 0x7ca110454a1a6e57ull << 0x01a1d6d039776742ull << 0x690f5b0d9a26939bull;
        QTest::newRow("substitution 2") << 0x0131d9619dc1376eull << 0x5cd54ca83def57daull << 0x7a389d10354bd271ull;
        QTest::newRow("substitution 3") << 0x07a1133e4a0b2686ull << 0x0248d43806f67172ull << 0x868ebb51cab4599aull;
        QTest::newRow("parity bits ignored") << 0x1106113588998121ull << 0ull << 0x0c0cc00c83ea48fdull;
    }

    void knownAnswerBlocks()
    {
        QFETCH(quint64, key);
        QFETCH(quint64, plain);
        QFETCH(quint64, cipher);
        const DesBlockCipher des(key);
        QCOMPARE(des.encrypt(plain), cipher);
        QCOMPARE(des.decrypt(cipher), plain);
    }

    void modesOfOperationExample()
    {
        const QByteArray key = QByteArray::fromHex("0123456789abcdef");
        const QByteArray plain("Now is the time for all ");
        const QByteArray cipher = QByteArray::fromHex("3fa40e8a984d48156a271787ab8883f9893d51ec4b563b53");
        QCOMPARE(EncryStr(plain, key), cipher);
        QCOMPARE(DecryStr(cipher, key), plain);
    }

    void randomTextsAgreeWithOpenSsl()
    {
        QRandomGenerator random(8146);
        for (int i = 0; i < 24; ++i) {
            const QByteArray key = RandomBytes(random, 8);
            QByteArray text = RandomBytes(random, random.bounded(1, 41));
            if (text.endsWith('\0'))
                text.back() = 'x';
            const QByteArray cipher = EncryStr(text, key);
            QCOMPARE(cipher, OpenSslDes(ZeroPadded(text), key, false));
            QCOMPARE(DecryStr(cipher, key), text);

            const QByteArray foreign = RandomBytes(random, 16);
            QCOMPARE(DecryStr(foreign, key), WithoutTrailingZeros(OpenSslDes(foreign, key, true)));
        }
    }

    void keyTextIsGbkCutOrPaddedToEightBytes()
    {
        const QString text = QStringLiteral("123.456789");
        const QString hex = DesEncryStrHex(text, QStringLiteral("支票"));
        QCOMPARE(hex.toLatin1(), OpenSslDes(ZeroPadded(text.toLatin1()), QByteArray::fromHex("d6a7c6b100000000"), false).toHex());
        QCOMPARE(DesDecryStrHex(hex, QStringLiteral("支票")), text);

        QCOMPARE(DesEncryStrHex(text, QStringLiteral("ab")).toLatin1(),
                 OpenSslDes(ZeroPadded(text.toLatin1()), QByteArray::fromHex("6162000000000000"), false).toHex());
        QCOMPARE(DesEncryStrHex(text, QStringLiteral("quvrest.zd")), DesEncryStrHex(text, QStringLiteral("quvrest.xyz")));
        QVERIFY(DesEncryStrHex(text, QStringLiteral("quvrest.zd")) != DesEncryStrHex(text, QStringLiteral("quvrest")));
    }

    void chineseTextRoundTrips()
    {
        const QString text = QStringLiteral("壹万陆仟肆佰零玖元零贰分");
        QCOMPARE(DesDecryStrHex(DesEncryStrHex(text, QStringLiteral("支票")), QStringLiteral("支票")), text);
    }

    void blockLengthsAndHexForm()
    {
        const QByteArray key("key");
        QCOMPARE(EncryStr(QByteArray(), key), QByteArray());
        QCOMPARE(DesEncryStrHex(QString(), QStringLiteral("key")), QString());
        QCOMPARE(DesEncryStrHex(QStringLiteral("12345678"), QStringLiteral("key")).size(), 16);
        const QString nine = DesEncryStrHex(QStringLiteral("123456789"), QStringLiteral("key"));
        QCOMPARE(nine.size(), 32);
        QCOMPARE(nine, nine.toLower());
        QCOMPARE(DesDecryStrHex(nine.toUpper(), QStringLiteral("key")), QStringLiteral("123456789"));
        QCOMPARE(DesDecryStrHex(nine + u'7', QStringLiteral("key")), QStringLiteral("123456789"));
        // A tail shorter than a block is ignored.
        QCOMPARE(DecryStr(EncryStr("12345678", key) + "abc", key), QByteArray("12345678"));
        QCOMPARE(HexTextToBytes("0aFf7"), QByteArray("\x0a\xff", 2));
    }

    void refusals()
    {
        try {
            EncryStr(QByteArray("abc\0", 4), "key");
            QFAIL("a text ending in a zero byte was enciphered");
        } catch (const DesError &e) {
            QCOMPARE(e.message(), QStringLiteral("Error: the last char is NULL char."));
        }
        for (const QString &hex : {QStringLiteral("0g"), QStringLiteral("ab cd"), QStringLiteral("支票")}) {
            try {
                DesDecryStrHex(hex, QStringLiteral("key"));
                QFAIL(qPrintable("read as hex: " + hex));
            } catch (const DesError &e) {
                QCOMPARE(e.message(), QStringLiteral("Error: not a Hex String"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDes)
#include "tst_des.moc"
