#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QTimer>

class HttpGet;

// A panel that shows one of the vendor's pages (the main page's foot, the bill form's side and
// foot). It fetches the page only while the network is reported up and shows its text and
// simple markup; nothing else of the page is loaded (no pictures, scripts or other files), and
// a link opens in the desktop's browser. It stays empty until a page arrived, and reloads every
// five minutes.
class VendorPagePanel : public QTextBrowser
{
    Q_OBJECT

public:
    static constexpr int kReloadMs = 300000;

    // `pathPattern` is the page's path on the vendor's host, with %1 and %2 for the panel's
    // width and height, e.g. "/cs/Uifoot.html?w=%1&h=%2".
    VendorPagePanel(QString pathPattern, QWidget *parent);

    // Fetches the page again when the network is up; otherwise nothing happens.
    void reload();
    const QTimer &reloadTimer() const { return m_timer; }

    QVariant loadResource(int type, const QUrl &name) override;

Q_SIGNALS:
    void pageShown();

private:
    void showReply(bool transferred, int status, const QByteArray &page);

    QString m_pathPattern;
    QPointer<HttpGet> m_request;
    QTimer m_timer;
};
