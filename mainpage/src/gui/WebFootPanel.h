#pragma once

#include <QPointer>
#include <QTextBrowser>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;

// The panel under the icons that shows the vendor's page "/cs/Uifoot.html". It fetches the page
// only while the network is reported up and shows its text and simple markup; nothing else of
// the page is loaded (no pictures, scripts or other files), and a link opens in the desktop's
// browser. It stays empty until a page arrived, and reloads every five minutes.
class WebFootPanel : public QTextBrowser
{
    Q_OBJECT

public:
    static constexpr int kReloadMs = 300000;

    explicit WebFootPanel(QWidget *parent);

    // Fetches the page again when the network is up; otherwise nothing happens.
    void reload();
    const QTimer &reloadTimer() const { return m_timer; }

    QVariant loadResource(int type, const QUrl &name) override;

Q_SIGNALS:
    void pageShown();

private:
    void showReply(QNetworkReply *reply);

    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_timer;
};
