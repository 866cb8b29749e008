#include "gui/web/VendorPagePanel.h"

#include "core/globals/PubDm.h"
#include "core/globals/VendorSite.h"
#include "gui/desktop/DesktopOpener.h"

#include "core/net/HttpGet.h"

#include <QScrollBar>
#include <QStringDecoder>

namespace {
constexpr qint64 kLargestPage = 512 * 1024;
constexpr int kTimeoutMs = 15000;
} // namespace

VendorPagePanel::VendorPagePanel(QString pathPattern, QWidget *parent)
    : QTextBrowser(parent), m_pathPattern(std::move(pathPattern))
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
    if (m_request) {
        m_request->abort();
        delete m_request;
    }
    auto *request = new HttpGet(VendorUrl(m_pathPattern.arg(width()).arg(height())), kTimeoutMs, kLargestPage, this);
    m_request = request;
    connect(request, &HttpGet::finished, this, [this, request](bool transferred, int status, const QByteArray &page) {
        request->deleteLater();
        showReply(transferred, status, page);
    });
}

void VendorPagePanel::showReply(bool transferred, int status, const QByteArray &page)
{
    if (!transferred || status != 200)
        return;
    QStringDecoder decoder = QStringDecoder::decoderForHtml(page);
    setHtml(decoder.isValid() ? decoder.decode(page) : QString::fromUtf8(page));
    Q_EMIT pageShown();
}
