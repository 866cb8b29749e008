// The fault suite's worker: `faultdriver prepare|run|check <scenario> <folder> <refs> [reported]`.
// The suite runs `run` with the fault library preloaded and `check` afterwards without it.
#include "FaultScenario.h"
#include "FolderChecks.h"

#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: faultdriver prepare|run|check <scenario> <folder> <refs> [reported]\n");
        return 2;
    }
    const FaultScenario *scenario = FindFaultScenario(args[2]);
    if (!scenario) {
        std::fprintf(stderr, "no scenario %s\n", qPrintable(args[2]));
        return 2;
    }
    const QString folder = QDir(args[3]).absolutePath();
    const QString refs = QDir(args[4]).absolutePath();
    qputenv("QUILLET_HOME", folder.toUtf8());
    sApplicationPath = folder + QLatin1Char('/');
    const QString command = args[1];
    QString out;
    try {
        if (command == QLatin1String("prepare")) {
            QDir().mkpath(refs);
            OpenProgramDatabase(false);
            scenario->prepare(folder, refs);
            CloseProgramDatabase();
            QFile list(QDir(refs).filePath(QStringLiteral("files.txt")));
            if (!list.open(QIODevice::WriteOnly))
                throw CorvaneError(QStringLiteral("cannot write the file list"));
            list.write(FilesBelow(folder).join(QLatin1Char('\n')).toUtf8() + '\n');
            out = QStringLiteral("prepared");
        } else if (command == QLatin1String("run")) {
            OpenProgramDatabase(false);
            out = QStringLiteral("REPORT ") + scenario->run();
        } else {
            out = CheckFolder(*scenario, folder, refs, args.value(5));
            out = out.isEmpty() ? QStringLiteral("CONSISTENT") : QStringLiteral("FAULT ") + out;
        }
    } catch (const std::exception &e) {
        out = QStringLiteral("ERROR ") + QString::fromUtf8(e.what());
    }
    CloseProgramDatabase();
    std::printf("%s\n", out.toUtf8().constData());
    return 0;
}
