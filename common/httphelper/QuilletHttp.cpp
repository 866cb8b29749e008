// The network side of HttpGet, loaded at the first request so the program starts without the
// network library.
#include "core/net/HttpGet.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

extern "C" Q_DECL_EXPORT QObject *QuilletHttpStart(HttpGet *request, const QUrl &url, int timeoutMs, qint64 largest)
{
    // One manager for the process, gone with the application.
    static QPointer<QNetworkAccessManager> manager;
    if (!manager)
        manager = new QNetworkAccessManager(QCoreApplication::instance());
    QNetworkRequest get(url);
    get.setTransferTimeout(timeoutMs);
    QNetworkReply *reply = manager->get(get);
    if (largest > 0)
        QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, largest](qint64 received, qint64) {
            if (received > largest)
                reply->abort();
        });
    QObject::connect(reply, &QNetworkReply::finished, request, [request, reply] {
        reply->deleteLater();
        request->deliver(reply->error() == QNetworkReply::NoError,
                         reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll());
    });
    // A request that goes first leaves nothing behind.
    QObject::connect(request, &QObject::destroyed, reply, [reply] {
        reply->disconnect();
        reply->abort();
        reply->deleteLater();
    });
    return reply;
}
