#include "TinyHttpServer.h"

#include <QTcpSocket>

TinyHttpServer::TinyHttpServer()
{
    m_server.listen(QHostAddress::LocalHost);
    connect(&m_server, &QTcpServer::newConnection, this, [this]() {
        QTcpSocket *socket = m_server.nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket]() {
            m_request += socket->readAll();
            if (!m_request.contains("\r\n\r\n") || m_reply.isEmpty())
                return;
            socket->write(m_reply);
            socket->disconnectFromHost();
        });
    });
}

void TinyHttpServer::setReply(int status, const QByteArray &body)
{
    m_reply = "HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: text/plain\r\nContent-Length: " +
              QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

QString TinyHttpServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

quint16 ClosedLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}
