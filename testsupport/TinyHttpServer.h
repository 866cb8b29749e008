#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpServer>

// A one-answer HTTP server on loopback: every request gets the reply set last. With no reply
// set it accepts connections and never answers.
class TinyHttpServer : public QObject
{
public:
    TinyHttpServer();

    void setReply(int status, const QByteArray &body);
    QString url() const;
    QByteArray request() const { return m_request; }

private:
    QTcpServer m_server;
    QByteArray m_reply;
    QByteArray m_request;
};

// A loopback port on which nothing listens.
quint16 ClosedLoopbackPort();
