#include "EndedProcess.h"

#include <QProcess>

qint64 EndedProcessId()
{
    QProcess child;
    child.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
    child.waitForStarted();
    const qint64 pid = child.processId();
    child.waitForFinished();
    return pid;
}
