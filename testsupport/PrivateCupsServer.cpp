#include "PrivateCupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kBackend[] = "/usr/lib/cups/backend/cups-pdf";
constexpr char kDriver[] = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
constexpr char kSystemConfiguration[] = "/etc/cups";
constexpr int kStartMs = 30000;
constexpr int kJobsMs = 40000;

QString findProgram(const QString &name)
{
    const QString found = QStandardPaths::findExecutable(name);
    return found.isEmpty() ? QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")}) : found;
}

bool writeText(const QString &file, const QString &text)
{
    QFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(text.toUtf8()) == text.toUtf8().size() && out.flush();
}

QString readText(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? QString::fromUtf8(in.readAll()) : QString();
}

// Fields of /proc/<pid>/stat after the command's name: state, parent ...
QStringList statusOf(qint64 pid)
{
    const QString stat = readText(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.mid(stat.lastIndexOf(QLatin1Char(')')) + 2).split(QLatin1Char(' '));
}

// A process that has ended but is not yet reaped counts as gone.
bool alive(qint64 pid)
{
    if (pid <= 0)
        return false;
    const QStringList status = statusOf(pid);
    return status.size() > 1 && status.first() != QLatin1String("Z") && status.first() != QLatin1String("X");
}

qint64 childOf(qint64 parent)
{
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (number && statusOf(pid).value(1).toLongLong() == parent)
            return pid;
    }
    return 0;
}

} // namespace

PrivateCupsServer::PrivateCupsServer(const QString &queue) : m_queue(queue)
{
}

PrivateCupsServer::~PrivateCupsServer()
{
    stop();
}

QString PrivateCupsServer::path(const QString &name) const
{
    return QDir(m_root.path()).filePath(name);
}

bool PrivateCupsServer::fail(const QString &reason)
{
    m_whyNot = reason;
    stop();
    return false;
}

bool PrivateCupsServer::runClient(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess client;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), socketPath());
    client.setProcessEnvironment(environment);
    client.start(findProgram(program), arguments);
    const bool finished = client.waitForFinished(kStartMs);
    const QString text = QString::fromLocal8Bit(client.readAllStandardOutput() + client.readAllStandardError());
    if (output)
        *output = text;
    return finished && client.exitStatus() == QProcess::NormalExit && client.exitCode() == 0;
}

bool PrivateCupsServer::start()
{
    const QString cupsd = findProgram(QStringLiteral("cupsd"));
    const QString unshare = findProgram(QStringLiteral("unshare"));
    if (cupsd.isEmpty() || findProgram(QStringLiteral("lpadmin")).isEmpty() || findProgram(QStringLiteral("lpstat")).isEmpty())
        return fail(QStringLiteral("cupsd, lpadmin or lpstat is not installed (tools/setup.sh installs cups)"));
    if (!QFileInfo::exists(QLatin1String(kBackend)) || !QFileInfo::exists(QLatin1String(kDriver)))
        return fail(QStringLiteral("the PDF printer is not installed (tools/setup.sh installs printer-driver-cups-pdf)"));
    // The PDF printer runs only under a server that is root, and only root may mount.
    if (::geteuid() != 0)
        return fail(QStringLiteral("a print server with the PDF printer needs root"));
    if (unshare.isEmpty() || !QFileInfo(QLatin1String(kSystemConfiguration)).isDir())
        return fail(QStringLiteral("unshare or /etc/cups is missing: the server cannot get a configuration folder of its own"));
    if (!m_root.isValid())
        return fail(QStringLiteral("no temporary folder"));

    // Folders the server's filters (run as lp) pass through or write to.
    QFile::setPermissions(m_root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                             | QFile::ReadOther | QFile::ExeOther);
    for (const char *folder : {"etc", "spool", "cache", "state", "log", "tmp", "out", "pdfspool"})
        QDir(m_root.path()).mkpath(QLatin1String(folder));
    ::chmod(QFile::encodeName(path(QStringLiteral("tmp"))).constData(), 01777);

    const QString etc = path(QStringLiteral("etc"));
    const bool written =
        writeText(QDir(etc).filePath(QStringLiteral("cups-files.conf")),
                  QStringLiteral("ServerRoot %1\nRequestRoot %2\nCacheDir %3\nStateDir %4\nTempDir %5\n"
                                 "AccessLog %6/access_log\nErrorLog %6/error_log\nPageLog %6/page_log\n"
                                 "Printcap %4/printcap\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n")
                      .arg(etc, path(QStringLiteral("spool")), path(QStringLiteral("cache")), path(QStringLiteral("state")),
                           path(QStringLiteral("tmp")), path(QStringLiteral("log"))))
        && writeText(QDir(etc).filePath(QStringLiteral("cupsd.conf")),
                     QStringLiteral("Listen %1\nLogLevel info\nMaxLogSize 0\nBrowsing No\nBrowseLocalProtocols none\n"
                                    "DefaultAuthType None\nWebInterface No\n"
                                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                    "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                         .arg(socketPath()))
        // Read by the PDF printer as /etc/cups/cups-pdf-<queue>.conf inside the server's namespace.
        && writeText(QDir(etc).filePath(QStringLiteral("cups-pdf-%1.conf").arg(m_queue)),
                     QStringLiteral("Out %1\nAnonDirName %1\nSpool %2\nLog %3\nLogType 3\n")
                         .arg(path(QStringLiteral("out")), path(QStringLiteral("pdfspool")), path(QStringLiteral("log"))));
    if (!written)
        return fail(QStringLiteral("the server's configuration could not be written"));

    // The private folder over /etc/cups, in a mount namespace that dies with the server; the
    // server is stopped when this process ends, however it ends.
    m_server.setProgram(unshare);
    m_server.setArguments({QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"), QStringLiteral("--fork"),
                           QStringLiteral("--kill-child=SIGTERM"), QStringLiteral("sh"), QStringLiteral("-c"),
                           QStringLiteral("mount --bind \"$1\" %1 && exec \"$2\" -f -c \"$1/cupsd.conf\" -s \"$1/cups-files.conf\"")
                               .arg(QLatin1String(kSystemConfiguration)),
                           QStringLiteral("sh"), etc, cupsd});
    m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start();
    if (!m_server.waitForStarted(kStartMs))
        return fail(QStringLiteral("unshare did not start: %1").arg(m_server.errorString()));

    QDeadlineTimer deadline(kStartMs);
    QString status;
    while (!runClient(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &status) || !status.contains(QLatin1String("is running"))) {
        if (m_server.state() == QProcess::NotRunning || deadline.hasExpired())
            return fail(QStringLiteral("cupsd did not start: %1 %2").arg(QString::fromLocal8Bit(m_server.readAll()), logs()));
        QThread::msleep(100);
    }
    m_cupsdPid = childOf(m_server.processId());

    // Text stays text through the queue's PostScript step (the default renderer turns it into
    // outlines that no reader can read back).
    QString refusal;
    if (!runClient(QStringLiteral("lpadmin"), {QStringLiteral("-p"), m_queue, QStringLiteral("-E"), QStringLiteral("-v"),
                                               QStringLiteral("cups-pdf:/") + m_queue, QStringLiteral("-P"), QLatin1String(kDriver),
                                               QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo"),
                                               QStringLiteral("-o"), QStringLiteral("printer-is-shared=false")},
                   &refusal))
        return fail(QStringLiteral("the queue could not be added: %1").arg(refusal));
    return true;
}

QStringList PrivateCupsServer::waitForOutput(int count)
{
    const QDir out(path(QStringLiteral("out")));
    QDeadlineTimer deadline(kJobsMs);
    QStringList files;
    for (;;) {
        QString pending;
        const bool asked = runClient(QStringLiteral("lpstat"), {QStringLiteral("-o"), m_queue}, &pending);
        files.clear();
        for (const QFileInfo &file : out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed))
            files.append(file.filePath());
        if ((asked && pending.trimmed().isEmpty() && files.size() >= count) || deadline.hasExpired())
            return files;
        QThread::msleep(200);
    }
}

QStringList PrivateCupsServer::pageLog() const
{
    return readText(path(QStringLiteral("log/page_log"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString PrivateCupsServer::logs() const
{
    QString all;
    for (const QFileInfo &log : QDir(path(QStringLiteral("log"))).entryInfoList(QDir::Files))
        all += QStringLiteral("== %1\n%2").arg(log.fileName(), readText(log.filePath()).right(4000));
    return all;
}

void PrivateCupsServer::stop()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    // unshare waits for its child, the server, which ends on SIGTERM; were it gone first, the
    // server would get SIGTERM all the same.
    if (alive(m_cupsdPid))
        ::kill(pid_t(m_cupsdPid), SIGTERM);
    else
        m_server.kill();
    if (!m_server.waitForFinished(kStartMs)) {
        m_server.kill();
        m_server.waitForFinished(kStartMs);
    }
    QDeadlineTimer deadline(kStartMs);
    while (alive(m_cupsdPid) && !deadline.hasExpired())
        QThread::msleep(50);
    if (alive(m_cupsdPid))
        ::kill(pid_t(m_cupsdPid), SIGKILL);
}
