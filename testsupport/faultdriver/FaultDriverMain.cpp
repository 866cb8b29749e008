// The fault suite's worker: `faultdriver prepare|run|check <scenario> <folder> <refs> [reported]`.
// The suite runs `run` with the fault library preloaded and `check` afterwards without it.
// `faultdriver savebills <folder> <count> <word>` saves that many bills as the bill form does,
// for tests of two programs saving into one database at once.
#include "FaultScenario.h"
#include "FolderChecks.h"

#include "core/errors/CorvaneError.h"
#include "core/globals/PubDm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

int SaveBills(const QString &folder, int count, const QString &word)
{
    qputenv("QUILLET_HOME", QDir(folder).absolutePath().toUtf8());
    sApplicationPath = QDir(folder).absolutePath() + QLatin1Char('/');
    int failed = 0;
    QString first;
    try {
        OpenProgramDatabase(false);
        for (int i = 1; i <= count; ++i) {
            const QString fault = SaveShipmentBill(word + QString::number(i), 3);
            if (!fault.isEmpty() && failed++ == 0)
                first = fault;
        }
    } catch (const std::exception &e) {
        first = QString::fromUtf8(e.what());
        failed = count;
    }
    CloseProgramDatabase();
    std::printf("SAVED %d FAILED %d %s\n", count - failed, failed, first.toUtf8().constData());
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("savebills"))
        return SaveBills(args[2], args[3].toInt(), args[4]);
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
