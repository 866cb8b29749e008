#include "core/messages/MessageNames.h"
#include "core/messages/MessageReceiver.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "core/messages/WindowMessages.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// A window that writes every message it gets into a log that outlives it, and may act on one.
class LoggingWindow : public QObject, public MessageReceiver
{
public:
    LoggingWindow(QString name, QStringList &log) : MessageReceiver(this), m_name(std::move(name)), m_log(log) {}

    std::function<void(const WindowMessage &)> onMessage;

    void WndProc(const WindowMessage &message) override
    {
        m_log << QStringLiteral("%1:%2").arg(m_name).arg(message.WParam);
        if (onMessage)
            onMessage(message);
        MessageReceiver::WndProc(message);
    }

private:
    QString m_name;
    QStringList &m_log;
};

quint32 testMessage()
{
    return RegisterWindowMessage(u"Quillet测试消息");
}

} // namespace

class TestWindowMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesGiveOneNumberEach()
    {
        const quint32 openForm = RegisterWindowMessage(MsgOpenForm);
        QCOMPARE(RegisterWindowMessage(QStringLiteral("OpenForm")), openForm);
        QCOMPARE(RegisterWindowMessage(MsgCloseSystem), RegisterWindowMessage(QStringLiteral("关闭当前Quillet系统")));
        QSet<quint32> numbers;
        for (QStringView name : {MsgOpenForm, MsgOpenRefNo, MsgGetWinCaption, MsgOnFormActive, MsgCloseSystem,
                                 MsgToggleMenu, MsgNetworkCheck, MsgNetworkUp, MsgRefreshQuery})
            numbers.insert(RegisterWindowMessage(name));
        QCOMPARE(numbers.size(), 9);
        QVERIFY(RegisterWindowMessage(u"openform") != openForm);
    }

    void sendRunsBeforeTheSenderGoesOn()
    {
        QStringList log;
        LoggingWindow window(QStringLiteral("w"), log);
        window.onMessage = [&log](const WindowMessage &) {
            QDialog dialog;
            QTimer::singleShot(0, &dialog, [&] {
                log << QStringLiteral("dialog open");
                dialog.accept();
            });
            dialog.exec();
            log << QStringLiteral("dialog closed");
        };
        SendMessage(window.Handle(), testMessage(), 7, 0);
        log << QStringLiteral("sender goes on");
        QCOMPARE(log, QStringList({"w:7", "dialog open", "dialog closed", "sender goes on"}));
    }

    void postedMessagesRunLaterInOrder()
    {
        QStringList log;
        LoggingWindow a(QStringLiteral("a"), log);
        LoggingWindow b(QStringLiteral("b"), log);
        PostMessage(a.Handle(), testMessage(), 1, 0);
        PostMessage(b.Handle(), testMessage(), 2, 0);
        PostMessage(a.Handle(), testMessage(), 3, 0);
        SendMessage(b.Handle(), testMessage(), 4, 0);
        log << QStringLiteral("sender returned");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(log, QStringList({"b:4", "sender returned", "a:1", "b:2", "a:3"}));
    }

    void closedWindowGetsNothing()
    {
        QStringList log;
        auto *window = new LoggingWindow(QStringLiteral("gone"), log);
        const THandle handle = window->Handle();
        QCOMPARE(WindowOf(handle), window);
        PostMessage(handle, testMessage(), 1, 0);
        delete window;
        SendMessage(handle, testMessage(), 2, 0);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(log, QStringList());
        QCOMPARE(WindowOf(handle), nullptr);

        LoggingWindow next(QStringLiteral("next"), log);
        QVERIFY(next.Handle() > handle);
        SendMessage(handle, testMessage(), 3, 0);
        QCOMPARE(log, QStringList());
    }

    void unknownHandlesAreIgnored_data()
    {
        QTest::addColumn<THandle>("handle");
        QTest::newRow("no window") << NoWindow;
        QTest::newRow("never given") << (THandle(1) << 40);
        QTest::newRow("negative") << THandle(-5);
    }

    void unknownHandlesAreIgnored()
    {
        QFETCH(THandle, handle);
        QStringList log;
        LoggingWindow window(QStringLiteral("w"), log);
        SendMessage(handle, testMessage(), 1, 0);
        PostMessage(handle, testMessage(), 2, 0);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(log, QStringList());
    }

    void plainObjectHasAHandleButReceivesNothing()
    {
        auto *object = new QObject;
        const THandle handle = HandleOf(object);
        QVERIFY(handle != NoWindow);
        QCOMPARE(HandleOf(object), handle);
        QCOMPARE(WindowOf(handle), object);
        SendMessage(handle, testMessage(), 1, 0);
        delete object;
        QCOMPARE(WindowOf(handle), nullptr);
    }

    void openRefNoCarriesTheWholeRefNo_data()
    {
        QTest::addColumn<qint64>("refNo");
        QTest::addColumn<qint64>("rowId");
        QTest::newRow("small") << qint64(5) << qint64(0);
        QTest::newRow("past 16 bits") << qint64(70000) << qint64(0);
        QTest::newRow("past 32 bits, with a row") << qint64(4294967296) << qint64(12345);
        QTest::newRow("largest of both") << kMaxParamRefNo << kMaxParamRowId;
    }

    void openRefNoCarriesTheWholeRefNo()
    {
        QFETCH(qint64, refNo);
        QFETCH(qint64, rowId);
        QStringList log;
        LoggingWindow screen(QStringLiteral("screen"), log);
        RefNoParam received;
        screen.onMessage = [&received](const WindowMessage &message) {
            if (IsMessage(message, MsgOpenRefNo))
                received = UnpackRefNoParam(message.LParam);
        };
        SendMessage(screen.Handle(), RegisterWindowMessage(MsgOpenRefNo), 0, PackRefNoParam(refNo, rowId));
        QCOMPARE(received.refNo, refNo);
        QCOMPARE(received.rowId, rowId);
    }
};

QTEST_MAIN(TestWindowMessages)
#include "tst_windowmessages.moc"
