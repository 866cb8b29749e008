#include "gui/web/VendorPagePanel.h"

#include "core/globals/PubDm.h"
#include "core/globals/VendorSite.h"
#include "gui/desktop/DesktopOpener.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QScrollBar>
#include <QStringDecoder>

namespace {
constexpr qint64 kLargestPage = 512 * 1024;
constexpr int kTimeoutMs = 15000;
} // namespace

VendorPagePanel::VendorPagePanel(QString pathPattern, QWidget *parent)
    : QTextBrowser(parent), m_pathPattern(std::move(pathPattern)), m_network(new QNetworkAccessManager(this))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [](const QUrl &url) {
        if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
            DesktopOpener::open(url);
    });
    m_timer.setObjectName(QStringLiteral("WebTimer"));
    m_timer.setInterval(kReloadMs);
    connect(&m_timer, &QTimer::timeout, this, &VendorPagePanel::reload);
    m_timer.start();
}

QVariant VendorPagePanel::loadResource(int, const QUrl &)
{
    return {};
}

void VendorPagePanel::reload()
{
    if (!IsNetConnected)
        return;
    if (m_reply)
        m_reply->abort();
    QNetworkRequest request(VendorUrl(m_pathPattern.arg(width()).arg(height())));
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply *reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kLargestPage)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { showReply(reply); });
}

void VendorPagePanel::showReply(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError
        || reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != 200)
        return;
    const QByteArray page = reply->readAll();
    QStringDecoder decoder = QStringDecoder::decoderForHtml(page);
    setHtml(decoder.isValid() ? decoder.decode(page) : QString::fromUtf8(page));
    Q_EMIT pageShown();
}
