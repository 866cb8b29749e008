#include "BuiltFolders.h"
#include "ExternalTool.h"
#include "TinyHttpServer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool copyFolder(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        const bool ok = it.fileInfo().isDir() ? QDir().mkpath(target)
                                              : QFile::copy(source, target) && QFile::setPermissions(target, it.fileInfo().permissions());
        if (!ok)
            return false;
    }
    return true;
}

bool isElf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("\x7f" "ELF");
}

// The run paths a file records (RUNPATH and RPATH), as readelf shows them.
QStringList runPaths(const QString &path)
{
    const ToolRun run = runTool(QStringLiteral("readelf"), {QStringLiteral("-d"), path});
    QStringList paths;
    static const QRegularExpression entry(QStringLiteral(R"(\((?:RUNPATH|RPATH)\)\s+Library (?:runpath|rpath): \[([^\]]*)\])"));
    for (const QRegularExpressionMatch &m : entry.globalMatch(QString::fromUtf8(run.output)))
        paths.append(m.captured(1).split(QLatin1Char(':')));
    return paths;
}

bool canHideFolders()
{
    return runTool(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("true")}).exitCode == 0;
}

} // namespace

// The program folder copied elsewhere, with the build tree out of reach, still starts: the
// program and its modules find the libraries beside them.
class TestMovedFolder : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_place;

    QString copyPath() const { return m_place.filePath(QStringLiteral("程序 副本")); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_place.isValid());
        QVERIFY(copyFolder(BuiltProgramFolder(), copyPath()));
        const QString plugin = BuildFolder() + QStringLiteral("/tests/plugins/generic/libQuilletLoginPlugin.so");
        QVERIFY(QDir().mkpath(m_place.filePath(QStringLiteral("plugins/generic"))));
        QVERIFY2(QFile::copy(plugin, m_place.filePath(QStringLiteral("plugins/generic/libQuilletLoginPlugin.so"))), qPrintable(plugin));
    }

    void filesNameNoFolderButTheirOwn()
    {
        int files = 0;
        for (const QFileInfo &info : QDir(copyPath()).entryInfoList(QDir::Files)) {
            if (!isElf(info.filePath()))
                continue;
            ++files;
            const QStringList paths = runPaths(info.filePath());
            for (const QString &path : paths)
                QVERIFY2(path == QStringLiteral("$ORIGIN"), qPrintable(info.fileName() + QStringLiteral(": ") + path));
            // Whatever needs a library of the folder finds it beside itself.
            const QString needed = QString::fromUtf8(runTool(QStringLiteral("readelf"), {QStringLiteral("-d"), info.filePath()}).output);
            if (needed.contains(QStringLiteral("Shared library: [libCorvane.so]")) || needed.contains(QStringLiteral("Shared library: [libTav.so]")))
                QVERIFY2(!paths.isEmpty(), qPrintable(info.fileName()));
        }
        QVERIFY(files >= 6);  // Quillet, Trellum, libCorvane.so, libTav.so and the three modules
    }

    void copyStartsAndLogsIn()
    {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QUILLET_HOME"));
        env.remove(QStringLiteral("LD_LIBRARY_PATH"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), m_place.filePath(QStringLiteral("plugins")));
        env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("quilletlogin"));
        // No vendor site here: the version check and the companion ask a closed loopback port.
        env.insert(QStringLiteral("QUILLET_VENDOR_URL"), QStringLiteral("http://127.0.0.1:%1").arg(ClosedLoopbackPort()));

        const QString program = copyPath() + QStringLiteral("/Quillet");
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home.path());
        const bool hidden = canHideFolders();
        if (hidden) {
            // The build tree is covered by an empty folder for the program alone.
            process.start(QStringLiteral("unshare"),
                          {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                           QStringLiteral("mount -t tmpfs none \"$1\" && exec \"$2\""), QStringLiteral("sh"),
                           BuildFolder(), program});
        } else {
            qWarning("unshare is not usable here: the build tree stays visible, the run paths are checked above");
            process.start(program, {});
        }
        QVERIFY(process.waitForStarted());
        QVERIFY(process.waitForFinished(60000));
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, qPrintable(output + errors));
        QVERIFY2(output.contains(QStringLiteral("logged in, main page shown")), qPrintable(output + errors));
        // The library and the main page's module came from the copy.
        for (const QString &file : {QStringLiteral("/libCorvane.so"), QStringLiteral("/Lumisk.so")})
            QVERIFY2(output.contains(QStringLiteral("mapped ") + copyPath() + file), qPrintable(output));
    }
};

QTEST_MAIN(TestMovedFolder)
#include "tst_movedfolder.moc"
