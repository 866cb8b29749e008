#include "core/security/PasswordHash.h"
#include "ExternalTool.h"

#include <QtTest>

// Stored hashes made by Python's hashlib (PBKDF2-HMAC-SHA256) are accepted, and ours are read
// back by it: the key derivation is the standard one.
class PasswordHashTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void agreesWithPython_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("folded");
        QTest::addColumn<int>("rounds");
        QTest::newRow("ascii") << "admin" << "admin" << 1000;
        QTest::newRow("letter case ignored") << "AdMiN" << "admin" << 1200;
        QTest::newRow("chinese") << "票据密码Ab" << "票据密码ab" << 1000;
        QTest::newRow("empty") << "" << "" << 1000;
        QTest::newRow("shipped cost") << "secret" << "secret" << 60000;
    }

    void agreesWithPython()
    {
        QFETCH(QString, typed);
        QFETCH(QString, folded);
        QFETCH(int, rounds);
        const ToolRun python = runPython(QStringLiteral(R"(
import base64, hashlib, sys
salt = b'0123456789abcdef'
key = hashlib.pbkdf2_hmac('sha256', sys.argv[1].encode('utf-8'), salt, int(sys.argv[2]), 32)
print('pbkdf2-sha256$%s$%s$%s' % (sys.argv[2], base64.b64encode(salt).decode(), base64.b64encode(key).decode()))
)"), {folded, QString::number(rounds)});
        QCOMPARE(python.exitCode, 0);
        const QString stored = QString::fromUtf8(python.output).trimmed();
        QVERIFY(PasswordHash::matches(typed, stored));
        QVERIFY(!PasswordHash::matches(typed + QLatin1Char('x'), stored));

        // Ours, checked by Python.
        const QString made = PasswordHash::make(typed);
        const ToolRun check = runPython(QStringLiteral(R"(
import base64, hashlib, sys
scheme, rounds, salt, key = sys.argv[2].split('$')
ok = hashlib.pbkdf2_hmac('sha256', sys.argv[1].encode('utf-8'), base64.b64decode(salt), int(rounds), 32) == base64.b64decode(key)
print('ok' if ok else 'no')
)"), {folded, made});
        QCOMPARE(check.output.trimmed(), QByteArray("ok"));
    }
};

QTEST_GUILESS_MAIN(PasswordHashTest)
#include "tst_passwordhash.moc"
