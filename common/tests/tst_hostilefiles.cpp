// Files and values made to hurt: each is refused with a clear message, quickly, and the
// program lives on.
#include "core/archive/PasswordArchive.h"
#include "core/dataset/FieldValue.h"
#include "core/dbfun/BillTableDdl.h"
#include "core/money/Currency.h"
#include "core/security/PasswordHash.h"
#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/SpreadsheetFile.h"
#include "core/spreadsheet/XlsHelperWorkbook.h"
#include "ExternalTool.h"
#include "helpers/CraftedXls.h"
#include "helpers/HostileFixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>


namespace {
bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush();
}
} // namespace

class HostileFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void amountsOutOfRangeAreRefused_data()
    {
        QTest::addColumn<QVariant>("input");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("1e300") << QVariant(1e300) << false;
        QTest::newRow("-1e300") << QVariant(-1e300) << false;
        QTest::newRow("9e18 as a number") << QVariant(9e18) << false;
        QTest::newRow("9e18 as text") << QVariant(QStringLiteral("9e18")) << false;
        QTest::newRow("19 digits as text") << QVariant(QStringLiteral("9000000000000000000")) << false;
        QTest::newRow("not a number") << QVariant(std::nan("")) << false;
        QTest::newRow("infinity") << QVariant(HUGE_VAL) << false;
        QTest::newRow("whole number too large") << QVariant(qint64(1) << 60) << false;
        QTest::newRow("largest amount") << QVariant(922337203685477.0) << true;
        QTest::newRow("ordinary") << QVariant(-1234.5) << true;
    }

    void amountsOutOfRangeAreRefused()
    {
        QFETCH(QVariant, input);
        QFETCH(bool, accepted);
        const std::optional<QVariant> value = fieldValueFromInput(FieldKind::Currency, input);
        QCOMPARE(value.has_value(), accepted);
        if (accepted)
            QCOMPARE(value->value<Currency>().toDouble(), input.toDouble());
    }

    // The cost of a login is fixed here, not by whatever a restored row says.
    void loginRoundCountsOutOfRangeAreRefused_data()
    {
        QTest::addColumn<QString>("rounds");
        QTest::addColumn<bool>("usable");
        QTest::newRow("an hour of work") << QStringLiteral("2000000000") << false;
        QTest::newRow("one round") << QStringLiteral("1") << false;
        QTest::newRow("negative") << QStringLiteral("-5") << false;
        QTest::newRow("as made") << QStringLiteral("60000") << true;
    }

    void loginRoundCountsOutOfRangeAreRefused()
    {
        QFETCH(QString, rounds);
        QFETCH(bool, usable);
        QStringList parts = PasswordHash::make(QStringLiteral("secret")).split(QLatin1Char('$'));
        const bool madeWithThat = parts[1] == rounds;
        parts[1] = rounds;
        QElapsedTimer timer;
        timer.start();
        const bool matched = PasswordHash::matches(QStringLiteral("secret"), parts.join(QLatin1Char('$')));
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(matched, usable && madeWithThat);
    }

    void fieldLengthsAreBounded_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("len");
        QTest::addColumn<bool>("sound");
        QTest::newRow("split string of 2e9") << QStringLiteral("拆分字符串") << 2000000000 << false;
        QTest::newRow("split string of 101") << QStringLiteral("拆分字符串") << 101 << false;
        QTest::newRow("split string of 20") << QStringLiteral("拆分字符串") << 20 << true;
        QTest::newRow("text of 2e9") << QStringLiteral("字符型") << 2000000000 << false;
        QTest::newRow("negative text") << QStringLiteral("字符型") << -1 << false;
        QTest::newRow("text of 200") << QStringLiteral("字符型") << 200 << true;
    }

    void fieldLengthsAreBounded()
    {
        QFETCH(QString, type);
        QFETCH(int, len);
        QFETCH(bool, sound);
        TableFieldDef def;
        def.fieldName = QStringLiteral("账号");
        def.fieldType = type;
        def.len = len;
        QElapsedTimer timer;
        timer.start();
        const std::optional<QString> fault = DefinitionFault(QStringLiteral("表"), {def});
        QCOMPARE(!fault.has_value(), sound);
        if (fault)
            QVERIFY2(fault->contains(QStringLiteral("账号")), qPrintable(*fault));
        QVERIFY(timer.elapsed() < 1000);
    }

    // A few hundred kilobytes that would unpack into hundreds of megabytes.
    void zipBombIsRefusedBeforeWriting()
    {
        const QString bomb = m_dir.filePath(QStringLiteral("bomb.bak"));
        QCOMPARE(MakeZipBomb(bomb, 300).exitCode, 0);
        QVERIFY(QFileInfo(bomb).size() < 2 * 1024 * 1024);
        const QString out = m_dir.filePath(QStringLiteral("out"));
        const ArchiveResult result = UnZipFiles(bomb, out, QString());
        QVERIFY(!result.ok);
        QVERIFY2(result.reason.contains(QStringLiteral("压缩比")), qPrintable(result.reason));
        QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());

        ArchiveLimits small;
        small.maxTotalSize = 1 << 20;
        QCOMPARE(MakeZipBomb(bomb, 2).exitCode, 0);
        const ArchiveResult capped = UnZipFiles(bomb, out, QString(), small);
        QVERIFY(!capped.ok);
        QVERIFY2(capped.reason.contains(QStringLiteral("过大")), qPrintable(capped.reason));
    }

    // .xls files on which the .xls library itself fails: the helper process takes the blow.
    void xlsThatBreaksTheLibraryIsRefused_data()
    {
        using namespace CraftedXls;
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("crashes"); // else it asks for more memory than the helper may take
        // A second DIMENSION beyond 65536 x 256 cells: the library takes the new size over the
        // table it made for the first, refuses it, and frees the workbook walking the one-cell
        // table as if it had the new size, off the end of the heap.
        QTest::newRow("second size over a one-cell table")
            << workbook({dimension(1, 1) + number(0, 0, 1.5) + dimension(1000000, 256)}) << true;
        // Every sheet of 65536 x 256 cells costs the library 256 MiB before a cell is read.
        const QByteArray fullSheet = dimension(65536, 256);
        QTest::newRow("nine full sheets in 6 KB")
            << workbook(QList<QByteArray>(9, fullSheet)) << false;
    }

    void xlsThatBreaksTheLibraryIsRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, crashes);
        const QString path = m_dir.filePath(QStringLiteral("crafted.xls"));
        QVERIFY(writeFile(path, content));

        // The library on its own, as the program runs it.
        QProcess helper;
        helper.start(XlsHelperWorkbook::helperPath(), {path});
        QVERIFY(helper.waitForFinished(120000));
        const bool helperFailed = helper.exitStatus() == QProcess::CrashExit || helper.exitCode() != 0;

        try {
            SpreadsheetFile file(path);
            file.sheet(QStringLiteral("S1"));
            QFAIL("the crafted file was read");
        } catch (const SpreadsheetError &e) {
            QCOMPARE(e.reason(), SpreadsheetError::Reason::Damaged);
            if (helperFailed)
                QCOMPARE(e.message(), QStringLiteral("文件格式错误"));
        }
        // The program lives on, reads the next file and kept its memory to itself.
        const QString sound = m_dir.filePath(QStringLiteral("sound.xls"));
        QVERIFY(writeFile(sound, CraftedXls::workbook({CraftedXls::dimension(1, 1) + CraftedXls::number(0, 0, 1.5)})));
        QCOMPARE(SpreadsheetFile(sound).sheet(QStringLiteral("S1")).cell(0, 0).toText(), QStringLiteral("1.5"));
        rusage own{};
        QCOMPARE(getrusage(RUSAGE_SELF, &own), 0);
        QVERIFY2(own.ru_maxrss < 512 * 1024, qPrintable(QString::number(own.ru_maxrss)));

        // Whether the file still does what it is here for.
        if (crashes) {
            if (!helperFailed)
                QSKIP("this libfreexl reads the crafted file without crashing; the case no longer proves the helper's containment");
        } else {
            rusage children{};
            QCOMPARE(getrusage(RUSAGE_CHILDREN, &children), 0);
            if (children.ru_maxrss < 1024 * 1024)
                QSKIP("this libfreexl no longer takes a gigabyte for the crafted file; the case no longer proves the helper's memory limit");
        }
    }

    // One value per row in column XFD: kept sparsely, so it reads fast and small.
    void farAwayCellsAreStoredSparsely()
    {
        const QString sheet = m_dir.filePath(QStringLiteral("far.xlsx"));
        QCOMPARE(MakeFarCellSheet(sheet, 3000, QStringLiteral("XFD"), 1).exitCode, 0);
        QElapsedTimer timer;
        timer.start();
        const SpreadsheetFile file(sheet);
        const SheetData data = file.sheet(QStringLiteral("S"));
        QCOMPARE(data.rowCount(), 3000);
        QCOMPARE(data.columnCount(), 16384);
        QCOMPARE(data.cell(2999, 16383).toText(), QStringLiteral("v2999"));
        QVERIFY(data.cell(10, 5).isEmpty());
        QCOMPARE(data.valueCount(), qsizetype(3000));
        QVERIFY(timer.elapsed() < 10000);
    }

    void cellsBeyondTheSheetAreRefused()
    {
        const QString sheet = m_dir.filePath(QStringLiteral("beyond.xlsx"));
        QCOMPARE(MakeFarCellSheet(sheet, 1, QStringLiteral("A"), 1048577).exitCode, 0);
        try {
            SpreadsheetFile(sheet).sheet(QStringLiteral("S"));
            QFAIL("a row beyond the last was read");
        } catch (const SpreadsheetError &e) {
            QVERIFY2(e.reason() == SpreadsheetError::Reason::TooLarge || e.reason() == SpreadsheetError::Reason::Damaged,
                     qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(HostileFiles)
#include "tst_hostilefiles.moc"
