// Files and values made to hurt: each is refused with a clear message, quickly, and the
// program lives on.
#include "core/archive/PasswordArchive.h"
#include "core/dataset/FieldValue.h"
#include "core/dbfun/BillTableDdl.h"
#include "core/money/Currency.h"
#include "core/security/PasswordHash.h"
#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/SpreadsheetFile.h"
#include "ExternalTool.h"
#include "helpers/HostileFixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>


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
