#include "ExternalTool.h"

#include <QFileInfo>
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
    // The system's interpreter, which has the Debian modules (openpyxl, xlwt ...); another
    // python3 earlier on the path may lack them.
    const QString system = QStringLiteral("/usr/bin/python3");
    const QString python = QFileInfo(system).isExecutable() ? system : QStringLiteral("python3");
    return runTool(python, QStringList{QStringLiteral("-c"), script} + arguments);
}
