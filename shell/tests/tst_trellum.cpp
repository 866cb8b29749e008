#include "BuiltFolders.h"
#include "TinyHttpServer.h"
#include "network/NetworkReportReader.h"

#include <QProcess>
#include <QTcpServer>
#include <QtTest>

class TestTrellum : public QObject
{
    Q_OBJECT

private:
    static QString companion() { return BuiltProgramFolder() + QStringLiteral("/Trellum"); }

private Q_SLOTS:
    void parseLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("target");
        QTest::addColumn<qint64>("wParam");
        QTest::newRow("available") << QByteArray("Quillet检测网络连接\t42\t1\n") << true << qint64(42) << qint64(1);
        QTest::newRow("not available") << QByteArray("Quillet检测网络连接\t7\t0") << true << qint64(7) << qint64(0);
        QTest::newRow("missing part") << QByteArray("Quillet检测网络连接\t7") << false << qint64(0) << qint64(0);
        QTest::newRow("not a number") << QByteArray("Quillet检测网络连接\tx\t1") << false << qint64(0) << qint64(0);
        QTest::newRow("noise") << QByteArray("hello") << false << qint64(0) << qint64(0);
    }

    void parseLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, valid);
        QFETCH(qint64, target);
        QFETCH(qint64, wParam);
        QString message;
        THandle parsedTarget = 0;
        qint64 parsedWParam = 0;
        QCOMPARE(NetworkReportReader::parseLine(line, message, parsedTarget, parsedWParam), valid);
        if (valid) {
            QCOMPARE(message, QStringLiteral("Quillet检测网络连接"));
            QCOMPARE(parsedTarget, target);
            QCOMPARE(parsedWParam, wParam);
        }
    }

    void reportsWhetherTheVendorAnswers()
    {
        QTcpServer vendor;
        QVERIFY(vendor.listen(QHostAddress::LocalHost));
        const quint16 closedPort = ClosedLoopbackPort();
        const QList<QPair<quint16, QByteArray>> cases = {{vendor.serverPort(), "1"}, {closedPort, "0"}};
        for (const auto &[port, expected] : cases) {
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QUILLET_VENDOR_URL"), QStringLiteral("http://127.0.0.1:%1").arg(port));
            process.setProcessEnvironment(env);
            process.start(companion(), {QStringLiteral("123456")});
            QVERIFY(process.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(process.canReadLine() || process.waitForReadyRead(100), 10000);
            QString message;
            THandle target = 0;
            qint64 wParam = -1;
            QVERIFY(NetworkReportReader::parseLine(process.readLine(), message, target, wParam));
            QCOMPARE(target, 123456);
            QCOMPARE(QByteArray::number(wParam), expected);
            process.kill();
            process.waitForFinished();
        }
    }
};

QTEST_MAIN(TestTrellum)
#include "tst_trellum.moc"
