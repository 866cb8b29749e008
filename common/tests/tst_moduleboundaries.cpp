#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The libraries a built file needs that are the program's own (files in the program folder),
// as readelf reads its dynamic section.
QStringList ownNeededLibraries(const QString &file)
{
    QProcess readelf;
    readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), QStringLiteral("-W"), file});
    if (!readelf.waitForFinished() || readelf.exitCode() != 0)
        return {QStringLiteral("readelf failed: ") + QString::fromLocal8Bit(readelf.readAllStandardError())};
    const QDir programFolder(qEnvironmentVariable("QUILLET_PROGRAM_DIR"));
    static const QRegularExpression needed(QStringLiteral(R"(\(NEEDED\)\s+Shared library: \[([^\]]+)\])"));
    QStringList own;
    for (const auto &match : needed.globalMatch(QString::fromLocal8Bit(readelf.readAllStandardOutput()))) {
        const QString library = match.captured(1);
        if (programFolder.exists(library))
            own << library;
    }
    own.sort();
    return own;
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
        QTest::newRow("Print") << QStringLiteral("Print.so") << QStringList({"libCorvane.so", "libTav.so"});
        QTest::newRow("Lumisk") << QStringLiteral("Lumisk.so") << QStringList({"libCorvane.so"});
        QTest::newRow("Fundora") << QStringLiteral("Fundora.so") << QStringList({"libCorvane.so"});
        QTest::newRow("Tav") << QStringLiteral("libTav.so") << QStringList();
        QTest::newRow("Corvane") << QStringLiteral("libCorvane.so") << QStringList();
    }

    void linksOnlyWhatItMay()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, own);
        const QString path = QDir(qEnvironmentVariable("QUILLET_PROGRAM_DIR")).filePath(file);
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(ownNeededLibraries(path), own);
    }
};

QTEST_MAIN(TestModuleBoundaries)
#include "tst_moduleboundaries.moc"
