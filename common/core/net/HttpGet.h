#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

// One HTTP GET that never blocks. The network library (and the Kerberos and proxy libraries
// behind it) is loaded with the helper "QuilletHttp.so" beside this library at the first
// request, not at the program's start.
class HttpGet : public QObject
{
    Q_OBJECT

public:
    // Starts the request; `finished` follows once, from the event loop, also when the helper
    // cannot be loaded (not transferred). A body longer than `largest` bytes (0: no limit) is
    // aborted.
    HttpGet(const QUrl &url, int timeoutMs, qint64 largest, QObject *parent);

    // Stops a request still running; it finishes as not transferred.
    void abort();

    // Called by the helper with the outcome: transferred without a network or HTTP error, the
    // HTTP status, the body.
    void deliver(bool transferred, int status, const QByteArray &body);

Q_SIGNALS:
    void finished(bool transferred, int status, const QByteArray &body);

private:
    QPointer<QObject> m_reply;
    bool m_done = false;
};
