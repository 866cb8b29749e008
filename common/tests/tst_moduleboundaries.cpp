#include "BuiltFolders.h"
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The libraries a built file needs, as readelf reads its dynamic section.
QStringList neededLibraries(const QString &file)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral("-W"), file});
    if (!readelf.waitForFinished() || readelf.exitCode() != 0)
        return {QStringLiteral("readelf failed: ") + QString::fromLocal8Bit(readelf.readAllStandardError())};
    static const QRegularExpression needed(QStringLiteral(R"(\(NEEDED\)\s+Shared library: \[([^\]]+)\])"));
    QStringList libraries;
    for (const auto &match : needed.globalMatch(QString::fromLocal8Bit(readelf.readAllStandardOutput())))
        libraries << match.captured(1);
    libraries.sort();
    return libraries;
}

// Of those, the program's own (files in the program folder).
QStringList ownNeededLibraries(const QString &file)
{
    const QDir programFolder(BuiltProgramFolder());
    QStringList own;
    for (const QString &library : neededLibraries(file))
        if (library.startsWith(QLatin1String("readelf failed")) || programFolder.exists(library))
            own << library;
    return own;
}

// The dialog seams a built file defines (nm, demangled): their classes' names, each once.
QStringList definedSeams(const QString &file)
{
    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("-C"), QStringLiteral("--defined-only"), file});
    if (!nm.waitForFinished() || nm.exitCode() != 0)
        return {QStringLiteral("nm failed: ") + QString::fromLocal8Bit(nm.readAllStandardError())};
    static const QRegularExpression seam(QStringLiteral(R"(\b(\w+Seam)::ask\()"));
    QStringList seams;
    for (const auto &match : seam.globalMatch(QString::fromLocal8Bit(nm.readAllStandardOutput())))
        seams << match.captured(1);
    seams.removeDuplicates();
    seams.sort();
    return seams;
}

} // namespace

class TestModuleBoundaries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void linksOnlyWhatItMay_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("own");
        QTest::newRow("program") << QStringLiteral("Quillet") << QStringList({"libCorvane.so"});
        QTest::newRow("Print") << QStringLiteral("Print.so") << QStringList({"libCorvane.so", "libCorvanePrinting.so", "libTav.so"});
        QTest::newRow("Lumisk") << QStringLiteral("Lumisk.so") << QStringList({"libCorvane.so"});
        QTest::newRow("Fundora") << QStringLiteral("Fundora.so") << QStringList({"libCorvane.so"});
        QTest::newRow("Tav") << QStringLiteral("libTav.so") << QStringList();
        QTest::newRow("Corvane") << QStringLiteral("libCorvane.so") << QStringList();
        QTest::newRow("CorvanePrinting") << QStringLiteral("libCorvanePrinting.so") << QStringList({"libCorvane.so"});
    }

    void linksOnlyWhatItMay()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, own);
        const QString path = QDir(BuiltProgramFolder()).filePath(file);
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(ownNeededLibraries(path), own);
    }

    // What the program loads before its login dialog: neither print support nor the network.
    void startsWithoutPrintingOrNetwork_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"Quillet", "libCorvane.so"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }
    void startsWithoutPrintingOrNetwork()
    {
        QFETCH(QString, file);
        const QStringList needed = neededLibraries(QDir(BuiltProgramFolder()).filePath(file));
        QVERIFY2(!needed.isEmpty() && !needed.first().startsWith(QLatin1String("readelf failed")), qPrintable(needed.join(' ')));
        for (const QString &library : needed)
            QVERIFY2(!library.startsWith(QLatin1String("libQt6PrintSupport")) && !library.startsWith(QLatin1String("libQt6Network")),
                     qPrintable(library));
    }

    // A test's handler answers every dialog only when each seam exists once in the process:
    // in the common libraries, never in a module or the program.
    void dialogSeamsLiveInTheCommonLibrariesOnly_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("seams");
        QTest::newRow("Corvane") << QStringLiteral("libCorvane.so")
                                 << QStringList({"FileDialogSeam", "FolderDialogSeam", "FontDialogSeam", "MessageSeam"});
        QTest::newRow("CorvanePrinting") << QStringLiteral("libCorvanePrinting.so") << QStringList({"PrinterSetupSeam"});
        for (const char *file : {"Quillet", "Print.so", "Lumisk.so", "Fundora.so"})
            QTest::newRow(file) << QString::fromLatin1(file) << QStringList();
    }
    void dialogSeamsLiveInTheCommonLibrariesOnly()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, seams);
        QCOMPARE(definedSeams(QDir(BuiltProgramFolder()).filePath(file)), seams);
    }
};

QTEST_MAIN(TestModuleBoundaries)
#include "tst_moduleboundaries.moc"
