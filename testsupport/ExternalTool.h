#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a tool that nobody here wrote (unzip, zip, python3) as an independent oracle.
struct ToolRun
{
    int exitCode = -1;
    QByteArray output; // standard output
    QByteArray errors; // standard error
};

ToolRun runTool(const QString &program, const QStringList &arguments, const QString &workingFolder = {});

// Runs a Python script given as text; its arguments follow in sys.argv[1:].
ToolRun runPython(const QString &script, const QStringList &arguments = {});
