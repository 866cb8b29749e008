#include "TestProgramFolder.h"

#include "TinyHttpServer.h"

#include "version/VersionReply.h"
#include "version/WebVersionCheck.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

class TestVersion : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decimalComparison_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order"); // 9 = not comparable
        QTest::newRow("equal with trailing zero") << "2.08" << "2.080" << 0;
        QTest::newRow("newer fraction") << "2.10" << "2.08" << 1;
        QTest::newRow("not lexical") << "2.8" << "2.08" << 1;
        QTest::newRow("more integer digits") << "10.0" << "9.99" << 1;
        QTest::newRow("blanks") << " 2.08 " << "2.08" << 0;
        QTest::newRow("integer only") << "3" << "2.99" << 1;
        QTest::newRow("leading zeros") << "002.5" << "2.50" << 0;
        QTest::newRow("not a number") << "abc" << "2.08" << 9;
        QTest::newRow("two points") << "2.0.1" << "2.08" << 9;
        QTest::newRow("empty") << "" << "2.08" << 9;
    }

    void decimalComparison()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        const std::optional<int> result = CompareDecimalText(a, b);
        QCOMPARE(result.has_value() ? *result : 9, order);
    }

    void fetchAndPane_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("pane");
        QTest::addColumn<int>("tag");
        QTest::newRow("newer") << 200 << QByteArray("[update]\r\nVersion=2.10\r\nNoteCount=35\r\nUpdatedate=2026-11-30\r\n")
                               << true << "最新版本：2.10,双击下载" << 1;
        QTest::newRow("equal") << 200 << QByteArray("[update]\nVersion=2.080\nNoteCount=35\nUpdatedate=2026-11-30\n")
                               << true << "网络单据数:35,更新日期:2026-11-30" << 2;
        QTest::newRow("older") << 200 << QByteArray("[update]\nVersion=1.9\nNoteCount=3\nUpdatedate=x\n")
                               << true << "网络单据数:3,更新日期:x" << 2;
        QTest::newRow("missing section") << 200 << QByteArray("[other]\nVersion=9.9\n")
                                         << true << "获取最新版本失败" << 0;
        QTest::newRow("empty reply") << 200 << QByteArray() << true << "获取最新版本失败" << 0;
        QTest::newRow("not a number") << 200 << QByteArray("[update]\nVersion=new\n") << true << "获取最新版本失败" << 0;
        QTest::newRow("not found") << 404 << QByteArray("nothing here") << false << "" << 0;
    }

    void fetchAndPane()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, ok);
        QFETCH(QString, pane);
        QFETCH(int, tag);
        TestProgramFolder folder;
        TinyHttpServer server;
        server.setReply(status, body);
        qputenv("QUILLET_VENDOR_URL", server.url().toUtf8());

        WebVersionCheck check;
        QSignalSpy finished(&check, &WebVersionCheck::finished);
        check.start();
        QVERIFY(finished.wait(5000));
        QVERIFY(server.request().startsWith("GET /cs/version.txt "));
        QCOMPARE(finished.at(0).at(0).toBool(), ok);
        if (ok) {
            const VersionPaneState state = DecideVersionPane(finished.at(0).at(1).value<WebVersionInfo>(), QStringLiteral("2.08"));
            QCOMPARE(state.text, pane);
            QCOMPARE(state.tag, tag);
        }
        QFile stored(folder.file(QStringLiteral("WebVerInfo.ini")));
        QCOMPARE(stored.exists(), ok && !body.isEmpty());
        if (stored.open(QIODevice::ReadOnly))
            QCOMPARE(stored.readAll(), body);
        qunsetenv("QUILLET_VENDOR_URL");
    }

    void unreachableAndTimeOut()
    {
        TestProgramFolder folder;
        const quint16 closedPort = ClosedLoopbackPort();
        TinyHttpServer silent; // accepts but never answers
        const QString urls[] = {QStringLiteral("http://127.0.0.1:%1").arg(closedPort), silent.url()};
        for (const QString &url : urls) {
            qputenv("QUILLET_VENDOR_URL", url.toUtf8());
            WebVersionCheck check;
            check.setTimeoutMs(300);
            QSignalSpy finished(&check, &WebVersionCheck::finished);
            check.start();
            QVERIFY(finished.wait(5000));
            QCOMPARE(finished.at(0).at(0).toBool(), false);
            QVERIFY(!QFile::exists(folder.file(QStringLiteral("WebVerInfo.ini"))));
        }
        qunsetenv("QUILLET_VENDOR_URL");
    }

    void localVersionNotANumberOffersDownload()
    {
        const VersionPaneState state = DecideVersionPane({QStringLiteral("2.08"), QStringLiteral("1"), QStringLiteral("d")}, QStringLiteral("beta"));
        QCOMPARE(state.tag, 1);
    }
};

QTEST_MAIN(TestVersion)
#include "tst_version.moc"
