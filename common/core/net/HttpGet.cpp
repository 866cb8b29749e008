#include "core/net/HttpGet.h"

#include <QFileInfo>
#include <QLibrary>
#include <QTimer>

#include <dlfcn.h>

namespace {

using StartFunction = QObject *(*)(HttpGet *, const QUrl &, int, qint64);

QString helperPath()
{
    Dl_info info;
    if (dladdr(reinterpret_cast<void *>(&helperPath), &info) && info.dli_fname)
        return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath() + QStringLiteral("/QuilletHttp.so");
    return QStringLiteral("QuilletHttp.so");
}

StartFunction startFunction()
{
    static const StartFunction start = [] {
        QLibrary helper(helperPath());
        return reinterpret_cast<StartFunction>(helper.resolve("QuilletHttpStart"));
    }();
    return start;
}

} // namespace

HttpGet::HttpGet(const QUrl &url, int timeoutMs, qint64 largest, QObject *parent) : QObject(parent)
{
    if (const StartFunction start = startFunction())
        m_reply = start(this, url, timeoutMs, largest);
    if (!m_reply)
        QTimer::singleShot(0, this, [this] { deliver(false, 0, {}); });
}

void HttpGet::abort()
{
    if (m_reply)
        QMetaObject::invokeMethod(m_reply, "abort");
}

void HttpGet::deliver(bool transferred, int status, const QByteArray &body)
{
    if (m_done)
        return;
    m_done = true;
    Q_EMIT finished(transferred, status, body);
}
