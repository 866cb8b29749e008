#include "core/spreadsheet/SheetRowOrderError.h"
#include "core/spreadsheet/SpreadsheetFile.h"
#include "helpers/RowStreamFixtures.h"

#include <QTemporaryDir>
#include <QtTest>

// The .xlsx reader that parses the sheet part as it streams from the zip entry, row by row,
// against what the files' writers (openpyxl, or the XML written by hand) say they hold.
class TestSheetRowStream : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    static QString line(const SheetRow &row)
    {
        QStringList cells;
        for (const SheetRow::Entry &entry : row.cells())
            cells << QStringLiteral("%1=%2").arg(entry.first).arg(entry.second.toText());
        return QStringLiteral("%1:").arg(row.index()) + cells.join(QLatin1Char('|'));
    }
    static QStringList streamed(const QString &path)
    {
        QStringList lines;
        const SpreadsheetFile file(path);
        file.readRows(QStringLiteral("S"), [&lines](const SheetRow &row) { lines << line(row); });
        return lines;
    }
    static QStringList readWhole(const QString &path)
    {
        QStringList lines;
        SpreadsheetFile(path).sheet(QStringLiteral("S")).forEachRow([&lines](const SheetRow &row) { lines << line(row); });
        return lines;
    }

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    // Megabytes of XML: rows and UTF-8 characters fall across every boundary of the reads.
    void aSheetLargerThanTheReadBuffer()
    {
        const QString path = m_folder.filePath(QStringLiteral("long.xlsx"));
        const ToolRun made = MakeLongVariedSheet(path, 3000);
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        const QStringList expected = QString::fromUtf8(made.output).trimmed().split(QLatin1Char('\n'));
        QCOMPARE(expected.size(), 3000);
        QCOMPARE(streamed(path), expected);
    }

    void handWrittenSheets_data()
    {
        QTest::addColumn<QString>("xml");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("shared, rich-text and inline strings")
            << QStringLiteral("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
                              "<c r=\"C1\" t=\"inlineStr\"><is><r><t>内</t></r><r><rPr><i/></rPr><t>联</t></r></is></c>"
                              "<c r=\"D1\" t=\"s\"><v>2</v></c><c r=\"E1\" t=\"inlineStr\"><is><t>单_x0041_</t></is></c></row>")
            << QStringList{QStringLiteral("0:0=甲|1=富 文本|2=内联|3=  空格  |4=单A")};
        QTest::newRow("empty, valueless and skipped rows")
            << QStringLiteral("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r=\"2\"/><row r=\"3\"><c r=\"A3\" s=\"1\"/></row>"
                              "<row r=\"5\"><c r=\"B5\"><v>5</v></c></row><row><c><v>6</v></c></row>"
                              "<row r=\"9\" spans=\"1:3\"><c r=\"C9\" t=\"s\"/></row>")
            << QStringList{QStringLiteral("0:0=1"), QStringLiteral("4:1=5"), QStringLiteral("5:0=6")};
        QTest::newRow("cells out of column order, and a later empty cell clears a value")
            << QStringLiteral("<row r=\"1\"><c r=\"C1\"><v>3</v></c><c r=\"A1\"><v>1</v></c><c><v>2</v></c>"
                              "<c r=\"E1\"><v>9</v></c><c r=\"E1\"/></row>")
            << QStringList{QStringLiteral("0:0=1|1=2|2=3")};
        QTest::newRow("a cell reference into a later row, and rows listed backwards before it")
            << QStringLiteral("<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"A4\"><v>4</v></c></row>"
                              "<row r=\"3\"><c r=\"B3\"><v>3</v></c></row><row r=\"2\"><c r=\"B2\"><v>2</v></c></row>"
                              "<row r=\"4\"><c r=\"B4\"><v>44</v></c></row>")
            << QStringList{QStringLiteral("0:0=1"), QStringLiteral("1:1=2"), QStringLiteral("2:1=3"),
                           QStringLiteral("3:0=4|1=44")};
    }
    void handWrittenSheets()
    {
        QFETCH(QString, xml);
        QFETCH(QStringList, rows);
        const QString path = m_folder.filePath(QStringLiteral("%1.xlsx").arg(QTest::currentDataTag()));
        const ToolRun made = MakeHandWrittenSheet(path, xml);
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        QCOMPARE(streamed(path), rows);
        QCOMPARE(readWhole(path), rows);
    }

    // A row coming back after it was handed over cannot be streamed; read whole it is exact.
    void rowsOutOfOrderAreReadWhole()
    {
        const QString path = m_folder.filePath(QStringLiteral("back.xlsx"));
        const ToolRun made = MakeHandWrittenSheet(path, QStringLiteral("<row r=\"2\"><c r=\"A2\"><v>2</v></c></row>"
                                                                         "<row r=\"3\"><c r=\"A3\"><v>3</v></c></row>"
                                                                         "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"));
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        QVERIFY_THROWS_EXCEPTION(SheetRowOrderError, streamed(path));
        QCOMPARE(readWhole(path), (QStringList{QStringLiteral("0:0=1"), QStringLiteral("1:0=2"), QStringLiteral("2:0=3")}));
    }

    // A part cut short is refused, though rows before the cut were handed over already.
    void aDamagedPartIsRefused()
    {
        const QString path = m_folder.filePath(QStringLiteral("cut.xlsx"));
        const ToolRun made = MakeHandWrittenSheet(path, QStringLiteral("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"
                                                                         "<row r=\"2\"><c r=\"A2\"><v>2</v></c></row><row r=\"3\">"));
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        try {
            streamed(path);
            QFAIL("a damaged part was read");
        } catch (const SpreadsheetError &error) {
            QCOMPARE(error.reason(), SpreadsheetError::Reason::Damaged);
        }
    }
};

QTEST_GUILESS_MAIN(TestSheetRowStream)
#include "tst_sheetrowstream.moc"
