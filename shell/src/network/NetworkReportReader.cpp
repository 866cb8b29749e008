#include "network/NetworkReportReader.h"

#include "core/globals/ProgramFolder.h"

#include <QFileInfo>
#include <QProcess>

NetworkReportReader::NetworkReportReader(QObject *parent) : QObject(parent) {}

NetworkReportReader::~NetworkReportReader()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(1000);
    }
}

QString NetworkReportReader::companionPath()
{
    return ProgramFile(QStringLiteral("Trellum"));
}

bool NetworkReportReader::start(THandle mainWindow)
{
    const QFileInfo companion(companionPath());
    if (!companion.isFile() || !companion.isExecutable())
        return false;
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &NetworkReportReader::readReports);
    m_process->start(companion.absoluteFilePath(), {QString::number(mainWindow)});
    return m_process->waitForStarted(3000);
}

bool NetworkReportReader::parseLine(const QByteArray &line, QString &message, THandle &target, qint64 &wParam)
{
    const QList<QByteArray> parts = line.trimmed().split('\t');
    if (parts.size() != 3)
        return false;
    bool targetOk = false;
    bool wParamOk = false;
    const THandle parsedTarget = parts[1].toLongLong(&targetOk);
    const qint64 parsedWParam = parts[2].toLongLong(&wParamOk);
    if (!targetOk || !wParamOk || parts[0].isEmpty())
        return false;
    message = QString::fromUtf8(parts[0]);
    target = parsedTarget;
    wParam = parsedWParam;
    return true;
}

void NetworkReportReader::readReports()
{
    while (m_process->canReadLine()) {
        QString message;
        THandle target = NoWindow;
        qint64 wParam = 0;
        if (parseLine(m_process->readLine(), message, target, wParam))
            Q_EMIT reported(message, target, wParam);
    }
}
