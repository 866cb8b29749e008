#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A print server of the test's own: cupsd with its configuration, spool, logs and socket in a
// temporary folder, and one queue on Debian's PDF printer (cups-pdf) that writes what it is
// sent into a folder of the test's. The PDF printer reads its settings only from a fixed place
// (/etc/cups/cups-pdf-<queue>.conf), so the server runs in a mount namespace of its own where
// the private folder stands over /etc/cups: the system's configuration, spool and logs are
// never read or written, and the system's cupsd is neither used nor started. Clients reach it
// through CUPS_SERVER (the socket), which must be set before the first printer is looked up.
class PrivateCupsServer
{
public:
    explicit PrivateCupsServer(const QString &queue);
    // Stops the server and waits until it is gone.
    ~PrivateCupsServer();

    PrivateCupsServer(const PrivateCupsServer &) = delete;
    PrivateCupsServer &operator=(const PrivateCupsServer &) = delete;

    // Where the server's clients must look (CUPS_SERVER).
    QString socketPath() const { return path(QStringLiteral("cups.sock")); }

    // Starts the server and adds the queue; false, with why not, when this machine cannot run it.
    bool start();
    QString whyNot() const { return m_whyNot; }

    QString queue() const { return m_queue; }
    // Waits until the queue has no job left and has written `count` files; their paths, oldest
    // first (fewer when the server gave up).
    QStringList waitForOutput(int count);
    // The server's page log: one line per page printed, with the media the job asked for.
    QStringList pageLog() const;
    // The server's and the PDF printer's logs, for failure messages.
    QString logs() const;

private:
    bool fail(const QString &reason);
    QString path(const QString &name) const;
    bool runClient(const QString &program, const QStringList &arguments, QString *output = nullptr);
    void stop();

    QString m_queue;
    QTemporaryDir m_root;
    QProcess m_server;
    qint64 m_cupsdPid = 0;
    QString m_whyNot;
};
