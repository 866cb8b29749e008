// Runs each piece of work at every numbered file call with a fault injected there (the process
// killed before the call, a full disk from the call on, or an I/O error at the call alone) and
// checks what the next start finds.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QMutex>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

namespace {

const char *const kScenarios[] = {"billsave",  "sheetimport", "purge",       "backup",     "restore",
                                  "pkgimport", "pkgexport",   "sheetexport", "designsave", "shopimport"};
const char *const kModes[] = {"kill", "enospc", "eio"};
const char *const kProgramParts[] = {"data", "images", "icons", "xml"};
const char *const kEmptyFolders[] = {"tmp", "backup", "download", "upload", "ui"};

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(path));
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(path, target))
            qFatal("cannot copy %s", qPrintable(path));
        else
            QFile::setPermissions(target, it.fileInfo().permissions());
    }
}

struct Outcome
{
    QString reported; // empty after a kill
    QString verdict;  // "CONSISTENT" or what is wrong
};

QString runDriver(const QStringList &args, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(FAULT_DRIVER), args);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("TIMEOUT");
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed().section(QLatin1Char('\n'), -1);
}

class FaultSuite : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    QMap<QString, long> m_calls; // per scenario: numbered calls of an undisturbed run

    QString prepared(const QString &scenario) const { return m_work.filePath(scenario + QStringLiteral(".prepared")); }
    QString refs(const QString &scenario) const { return m_work.filePath(scenario + QStringLiteral(".refs")); }

    QProcessEnvironment faultEnvironment(const QString &folder, const QString &mode, long at, const QString &report) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAULT_LIBRARY));
        env.insert(QStringLiteral("QUILLET_FAULT_ROOT"), folder);
        env.insert(QStringLiteral("QUILLET_FAULT_MODE"), mode);
        env.insert(QStringLiteral("QUILLET_FAULT_AT"), QString::number(at));
        env.insert(QStringLiteral("QUILLET_FAULT_REPORT"), report);
        return env;
    }

    Outcome runCase(const QString &scenario, const QString &mode, long at, const QString &folder)
    {
        copyTree(prepared(scenario), folder);
        const QString ran = runDriver({QStringLiteral("run"), scenario, folder, refs(scenario)},
                                      faultEnvironment(folder, mode, at, folder + QStringLiteral(".calls")));
        Outcome outcome;
        if (ran.startsWith(QLatin1String("REPORT ")))
            outcome.reported = ran.mid(7);
        else if (!ran.isEmpty())
            outcome.verdict = QStringLiteral("the work itself broke: ") + ran;
        if (outcome.verdict.isEmpty())
            outcome.verdict = runDriver({QStringLiteral("check"), scenario, folder, refs(scenario), outcome.reported},
                                        QProcessEnvironment::systemEnvironment());
        QDir(folder).removeRecursively();
        QFile::remove(folder + QStringLiteral(".calls"));
        return outcome;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        for (const char *name : kScenarios) {
            const QString scenario = QLatin1String(name);
            const QString folder = prepared(scenario);
            for (const char *part : kProgramParts)
                copyTree(QDir(QStringLiteral(QUILLET_PROGRAM_DIR)).filePath(QLatin1String(part)), QDir(folder).filePath(QLatin1String(part)));
            for (const char *empty : kEmptyFolders)
                QDir().mkpath(QDir(folder).filePath(QLatin1String(empty)));
            const QString made = runDriver({QStringLiteral("prepare"), scenario, folder, refs(scenario)},
                                           QProcessEnvironment::systemEnvironment());
            QVERIFY2(made == QLatin1String("prepared"), qPrintable(scenario + QStringLiteral(": ") + made));

            // An undisturbed run numbers the calls, succeeds and leaves a consistent folder.
            const QString counted = m_work.filePath(scenario + QStringLiteral(".count"));
            copyTree(folder, counted);
            const QString ran = runDriver({QStringLiteral("run"), scenario, counted, refs(scenario)},
                                          faultEnvironment(counted, QStringLiteral("count"), 0, counted + QStringLiteral(".calls")));
            QVERIFY2(ran.startsWith(QLatin1String("REPORT ok")), qPrintable(scenario + QStringLiteral(": ") + ran));
            QFile calls(counted + QStringLiteral(".calls"));
            QVERIFY(calls.open(QIODevice::ReadOnly));
            m_calls[scenario] = QString::fromLatin1(calls.readAll()).section(QLatin1Char(' '), 0, 0).toLong();
            QVERIFY2(m_calls[scenario] > 0, qPrintable(scenario));
            const QString verdict = runDriver({QStringLiteral("check"), scenario, counted, refs(scenario), ran.mid(7)},
                                              QProcessEnvironment::systemEnvironment());
            QVERIFY2(verdict == QLatin1String("CONSISTENT"), qPrintable(scenario + QStringLiteral(": ") + verdict));
        }
    }

    void everyCallPoint_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("mode");
        for (const char *scenario : kScenarios)
            for (const char *mode : kModes)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(scenario), QLatin1String(mode))))
                    << QString::fromLatin1(scenario) << QString::fromLatin1(mode);
    }

    void everyCallPoint()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, mode);
        const long points = m_calls.value(scenario);
        std::atomic<long> next{1};
        QMutex lock;
        QStringList faults;
        long consistent = 0;
        const unsigned workers = std::max(1u, std::min(4u, std::thread::hardware_concurrency() / 2));
        std::vector<std::thread> threads;
        for (unsigned w = 0; w < workers; ++w) {
            threads.emplace_back([&, w] {
                for (long at = next++; at <= points; at = next++) {
                    const QString folder = m_work.filePath(QStringLiteral("%1-%2-%3").arg(scenario, mode).arg(w));
                    const Outcome outcome = runCase(scenario, mode, at, folder);
                    QMutexLocker locked(&lock);
                    if (outcome.verdict == QLatin1String("CONSISTENT"))
                        ++consistent;
                    else
                        faults.append(QStringLiteral("call %1 (%2): %3").arg(at).arg(outcome.reported, outcome.verdict));
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        faults.sort();
        qInfo("%s %s: %ld tried, %ld consistent", qPrintable(scenario), qPrintable(mode), points, consistent);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 8).join(QLatin1Char('\n'))));
    }

    // Work that writes a new file for the user flushes the folder after the rename: when that
    // fails the new file is there, but the work must not say it succeeded. The flush is the last
    // file call (the backup streams the database into the archive, with no work folder), or
    // comes just before the removal of the work folder's one file.
    void unflushedExportIsNoSuccess_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<long>("callsAfter");
        QTest::newRow("sheet export") << QStringLiteral("sheetexport") << 0L;
        QTest::newRow("database backup") << QStringLiteral("backup") << 0L;
        QTest::newRow("package export") << QStringLiteral("pkgexport") << 1L;
    }

    void unflushedExportIsNoSuccess()
    {
        QFETCH(QString, scenario);
        QFETCH(long, callsAfter);
        const Outcome outcome = runCase(scenario, QStringLiteral("eio"), m_calls.value(scenario) - callsAfter,
                                        m_work.filePath(scenario + QStringLiteral("-unflushed")));
        QVERIFY2(outcome.reported.startsWith(QLatin1String("failed: "))
                     && outcome.reported.contains(QStringLiteral("已写入，但未能确认保存到磁盘")),
                 qPrintable(outcome.reported));
        QCOMPARE(outcome.verdict, QStringLiteral("CONSISTENT"));
    }
};

} // namespace

QTEST_GUILESS_MAIN(FaultSuite)
#include "tst_faultsuite.moc"
