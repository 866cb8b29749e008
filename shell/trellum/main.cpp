// Trellum: the network-check companion of Quillet. Started with the main window's handle as its
// one argument, it checks whether the vendor's server answers and reports on standard output,
// one line per report: "Quillet检测网络连接<TAB><handle><TAB><1 = network available, else 0>".
// While the server does not answer it tries again every minute; after a positive report it ends.

#include "core/globals/VendorSite.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTextStream>
#include <QThread>

namespace {

bool vendorAnswers()
{
    const QUrl site = VendorUrl(QStringLiteral("/"));
    QTcpSocket socket;
    socket.connectToHost(site.host(), static_cast<quint16>(site.port(80)));
    return socket.waitForConnected(5000);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2)
        return 2;
    bool handleOk = false;
    const qint64 handle = arguments.at(1).toLongLong(&handleOk);
    if (!handleOk)
        return 2;

    QTextStream out(stdout);
    for (;;) {
        const bool available = vendorAnswers();
        out << QStringLiteral("Quillet检测网络连接") << '\t' << handle << '\t' << (available ? 1 : 0) << '\n';
        out.flush();
        if (available || out.status() != QTextStream::Ok)
            return 0;
        QThread::sleep(60);
    }
}
