#include "helpers/ExternalTool.h"

#include <QProcess>

ToolRun runTool(const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    QProcess process;
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = process.readAllStandardOutput();
    run.errors = process.readAllStandardError();
    return run;
}

ToolRun runPython(const QString &script, const QStringList &arguments)
{
    return runTool(QStringLiteral("python3"), QStringList{QStringLiteral("-c"), script} + arguments);
}
