#include "version/WebVersionCheck.h"

#include "core/globals/ProgramFolder.h"
#include "core/globals/VendorSite.h"

#include "core/net/HttpGet.h"

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

WebVersionCheck::WebVersionCheck(QObject *parent) : QObject(parent) {}

void WebVersionCheck::start()
{
    auto *request = new HttpGet(VendorUrl(QStringLiteral("/cs/version.txt")), m_timeoutMs, 0, this);
    connect(request, &HttpGet::finished, this, [this, request](bool transferred, int, const QByteArray &body) {
        request->deleteLater();
        if (!transferred) {
            Q_EMIT finished(false, {});
            return;
        }
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
