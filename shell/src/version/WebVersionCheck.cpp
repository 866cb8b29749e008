#include "version/WebVersionCheck.h"

#include "core/globals/ProgramFolder.h"
#include "core/globals/VendorSite.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>

namespace {

bool storeReply(const QByteArray &text)
{
    QSaveFile file(ProgramFile(QStringLiteral("WebVerInfo.ini")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}

} // namespace

WebVersionCheck::WebVersionCheck(QObject *parent) : QObject(parent), m_network(new QNetworkAccessManager(this)) {}

void WebVersionCheck::start()
{
    QNetworkRequest request(VendorUrl(QStringLiteral("/cs/version.txt")));
    request.setTransferTimeout(m_timeoutMs);
    QNetworkReply *reply = m_network->get(request);
    connect(reply, &QNetworkReply::finished, this, [this, reply]() {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            Q_EMIT finished(false, {});
            return;
        }
        const QByteArray body = reply->readAll();
        if (body.isEmpty()) {
            Q_EMIT finished(true, {});
            return;
        }
        if (!storeReply(body)) {
            Q_EMIT finished(false, {});
            return;
        }
        Q_EMIT finished(true, ParseVersionReply(QString::fromUtf8(body)));
    });
}
