#include "core/spreadsheet/ExcelSerialDate.h"
#include "core/spreadsheet/NumberFormatKind.h"
#include "core/spreadsheet/SpreadsheetError.h"
#include "core/spreadsheet/SpreadsheetFile.h"
#include "ExternalTool.h"
#include "helpers/SpreadsheetFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using Kind = SheetCell::Kind;
Q_DECLARE_METATYPE(SheetCell::Kind)
Q_DECLARE_METATYPE(SpreadsheetError::Reason)

namespace {
QString makeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestSpreadsheetReader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString path(const QString &name) const { return m_folder.filePath(name); }

    void addCell(const char *tag, const QString &file, const QString &sheet, int row, int column, Kind kind,
                 const QString &text)
    {
        QTest::newRow(tag) << path(file) << sheet << row << column << kind << text;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        const ToolRun fixtures = MakeTypedSheetFixtures(m_folder.path());
        QVERIFY2(fixtures.exitCode == 0, fixtures.errors.constData());
        const ToolRun package = MakeHandWrittenPackage(path(QStringLiteral("package.xlsx")));
        QVERIFY2(package.exitCode == 0, package.errors.constData());
        // An .xlsx under an .xls name: the first bytes decide.
        QVERIFY(QFile::copy(path(QStringLiteral("typed.xlsx")), path(QStringLiteral("really-xlsx.xls"))));
    }

    void sheetNames_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("names");
        const QStringList typed{QStringLiteral("单据"), QStringLiteral("只有表头"), QStringLiteral("Empty")};
        QTest::newRow("xls") << path(QStringLiteral("typed.xls")) << typed;
        QTest::newRow("xlsx") << path(QStringLiteral("typed.xlsx")) << typed;
        QTest::newRow("xlsx named .xls") << path(QStringLiteral("really-xlsx.xls")) << typed;
        QTest::newRow("workbook order, not part order")
            << path(QStringLiteral("package.xlsx")) << QStringList{QStringLiteral("第一"), QStringLiteral("Zweite")};
    }

    void sheetNames()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, names);
        QCOMPARE(SpreadsheetFile(file).sheetNames(), names);
    }

    void typedCells_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        const QString sheet = QStringLiteral("单据");
        for (const char *file : {"typed.xls", "typed.xlsx", "really-xlsx.xls"}) {
            const QString name = QString::fromLatin1(file);
            const auto tag = [&](const char *what) { return QStringLiteral("%1: %2").arg(name, QLatin1String(what)).toUtf8(); };
            addCell(tag("header"), name, sheet, 0, 1, Kind::Text, QStringLiteral("金额"));
            addCell(tag("leading zeros"), name, sheet, 1, 0, Kind::Text, QStringLiteral("00123"));
            addCell(tag("decimal"), name, sheet, 1, 1, Kind::Number, QStringLiteral("1234567.89"));
            addCell(tag("16-digit account"), name, sheet, 1, 2, Kind::Number, QStringLiteral("6222021234567890"));
            addCell(tag("date"), name, sheet, 1, 3, Kind::Date, QStringLiteral("2024-03-05"));
            addCell(tag("date and time"), name, sheet, 1, 4, Kind::DateTime, QStringLiteral("2024-03-05 13:45:30"));
            addCell(tag("two lines"), name, sheet, 1, 6, Kind::Text, QStringLiteral("第一行\n第二行"));
            addCell(tag("gap row"), name, sheet, 2, 0, Kind::Empty, QString());
            addCell(tag("gap row, other column"), name, sheet, 3, 4, Kind::Empty, QString());
            addCell(tag("after the gap"), name, sheet, 4, 0, Kind::Text, QStringLiteral("隔行"));
            addCell(tag("beyond the sheet"), name, sheet, 99, 99, Kind::Empty, QString());
            addCell(tag("negative address"), name, sheet, -1, 0, Kind::Empty, QString());
            addCell(tag("other sheet"), name, QStringLiteral("只有表头"), 0, 1, Kind::Text, QStringLiteral("乙"));
        }
        // The .xls reader reports a boolean as the number 1 and has no error cells.
        addCell("typed.xls: boolean", QStringLiteral("typed.xls"), sheet, 1, 5, Kind::Number, QStringLiteral("1"));
        addCell("typed.xlsx: boolean", QStringLiteral("typed.xlsx"), sheet, 1, 5, Kind::Boolean, QStringLiteral("TRUE"));
        addCell("typed.xlsx: error", QStringLiteral("typed.xlsx"), sheet, 4, 7, Kind::Error, QStringLiteral("#DIV/0!"));

        const QString package = QStringLiteral("package.xlsx");
        const QString first = QStringLiteral("第一");
        addCell("shared string", package, first, 0, 0, Kind::Text, QStringLiteral("plain"));
        addCell("rich text runs, phonetic left out", package, first, 0, 1, Kind::Text, QStringLiteral("富 文本"));
        addCell("inline string without reference", package, first, 0, 2, Kind::Text, QStringLiteral("inline"));
        addCell("row 2 absent", package, first, 1, 0, Kind::Empty, QString());
        addCell("formula text", package, first, 2, 0, Kind::Text, QStringLiteral("plainx"));
        addCell("formula number", package, first, 2, 1, Kind::Number, QStringLiteral("2"));
        addCell("boolean false", package, first, 2, 2, Kind::Boolean, QStringLiteral("FALSE"));
        addCell("error", package, first, 2, 3, Kind::Error, QStringLiteral("#N/A"));
        addCell("escapes", package, first, 2, 4, Kind::Text, QStringLiteral("line\r\nnext_x0041_"));
        addCell("row without reference, 1904 day 0", package, first, 3, 0, Kind::Date, QStringLiteral("1904-01-01"));
        addCell("quoted d is no date", package, first, 3, 1, Kind::Number, QStringLiteral("5"));
        addCell("colour in brackets is no date", package, first, 3, 2, Kind::Number, QStringLiteral("-1.5"));
        addCell("time format", package, first, 3, 3, Kind::Time, QStringLiteral("18:00:00"));
        addCell("built-in 14, 1904 system", package, first, 3, 4, Kind::Date, QStringLiteral("2023-03-06"));
        addCell("built-in Chinese date 31", package, first, 3, 5, Kind::Date, QStringLiteral("1904-01-02"));
        addCell("formula without cached value", package, first, 3, 6, Kind::Empty, QString());
        addCell("styled empty cell", package, first, 3, 7, Kind::Empty, QString());
        addCell("exponent written plain", package, QStringLiteral("Zweite"), 1, 2, Kind::Number,
                QStringLiteral("1000000000000000"));
        addCell("sheet name in other letter case", package, QStringLiteral("zweite"), 1, 2, Kind::Number,
                QStringLiteral("1000000000000000"));
    }

    void typedCells()
    {
        QFETCH(QString, file);
        QFETCH(QString, sheet);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        const SheetCell cell = SpreadsheetFile(file).sheet(sheet).cell(row, column);
        QCOMPARE(cell.kind(), kind);
        QCOMPARE(cell.toText(), text);
        if (kind == Kind::Number)
            QCOMPARE(cell.numberValue(), text.toDouble());
    }

    void sheetExtent_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        for (const char *file : {"typed.xls", "typed.xlsx"}) {
            const QString name = QString::fromLatin1(file);
            const bool xlsx = name.endsWith(QLatin1String("xlsx"));
            QTest::newRow(file) << path(name) << QStringLiteral("单据") << 5 << (xlsx ? 8 : 7);
            QTest::newRow(QByteArray(file) + " header only") << path(name) << QStringLiteral("只有表头") << 1 << 2;
            QTest::newRow(QByteArray(file) + " empty") << path(name) << QStringLiteral("Empty") << 0 << 0;
        }
        QTest::newRow("package: styled and valueless cells add nothing")
            << path(QStringLiteral("package.xlsx")) << QStringLiteral("第一") << 4 << 6;
    }

    void sheetExtent()
    {
        QFETCH(QString, file);
        QFETCH(QString, sheet);
        QFETCH(int, rows);
        QFETCH(int, columns);
        const SheetData data = SpreadsheetFile(file).sheet(sheet);
        QCOMPARE(data.rowCount(), rows);
        QCOMPARE(data.columnCount(), columns);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<SpreadsheetError::Reason>("reason");
        QTest::addColumn<QString>("message");
        using Reason = SpreadsheetError::Reason;
        const QString notExcel = QStringLiteral("文件不是有效的Excel文件");
        const QString damaged = QStringLiteral("Excel文件已损坏，无法读取");
        const QByteArray xlsx = readFile(path(QStringLiteral("typed.xlsx")));
        const QByteArray xls = readFile(path(QStringLiteral("typed.xls")));
        QTest::newRow("text file named .xlsx")
            << makeFile(path(QStringLiteral("text.xlsx")), "名称\t金额\r\n甲\t1\r\n") << Reason::NotSpreadsheet << notExcel;
        QTest::newRow("empty file") << makeFile(path(QStringLiteral("empty.xls")), {}) << Reason::NotSpreadsheet << notExcel;
        QTest::newRow("truncated xlsx")
            << makeFile(path(QStringLiteral("cut.xlsx")), xlsx.left(xlsx.size() / 2)) << Reason::Damaged << damaged;
        QTest::newRow("truncated xls")
            << makeFile(path(QStringLiteral("cut.xls")), xls.left(xls.size() / 2)) << Reason::Damaged << damaged;
        QTest::newRow("missing file") << path(QStringLiteral("nowhere.xls")) << Reason::Unreadable
                                      << QStringLiteral("无法打开文件%1").arg(QDir::toNativeSeparators(path(QStringLiteral("nowhere.xls"))));
        const ToolRun zip = runPython(QStringLiteral("import sys, zipfile\n"
                                                     "zipfile.ZipFile(sys.argv[1], 'w').writestr('a.txt', 'x')"),
                                      {path(QStringLiteral("plain.zip"))});
        QVERIFY(zip.exitCode == 0);
        QTest::newRow("zip without workbook") << path(QStringLiteral("plain.zip")) << Reason::NotSpreadsheet << notExcel;
    }

    void refusals()
    {
        QFETCH(QString, file);
        QFETCH(SpreadsheetError::Reason, reason);
        QFETCH(QString, message);
        try {
            SpreadsheetFile opened(file);
            opened.sheet(opened.sheetNames().value(0));
            QFAIL("the file was read");
        } catch (const SpreadsheetError &error) {
            QCOMPARE(error.reason(), reason);
            QCOMPARE(error.message(), message);
        }
    }

    void damagedEntryRefused()
    {
        // The zip's directory is intact but the sheet's compressed data is not.
        QByteArray bytes = readFile(path(QStringLiteral("package.xlsx")));
        const qsizetype sheet = bytes.indexOf("book/sheets/a.xml");
        QVERIFY(sheet > 0);
        for (qsizetype i = sheet + 40; i < sheet + 80; ++i)
            bytes[i] = char(bytes[i] ^ 0x5A);
        const QString file = makeFile(path(QStringLiteral("bitrot.xlsx")), bytes);
        SpreadsheetFile opened(file);
        QCOMPARE(opened.sheetNames().size(), 2);
        QVERIFY_THROWS_EXCEPTION(SpreadsheetError, opened.sheet(QStringLiteral("第一")));
    }

    void missingSheet()
    {
        const SpreadsheetFile file(path(QStringLiteral("typed.xls")));
        try {
            file.sheet(QStringLiteral("收据"));
            QFAIL("a sheet was found");
        } catch (const SpreadsheetError &error) {
            QCOMPARE(error.reason(), SpreadsheetError::Reason::MissingSheet);
            QCOMPARE(error.message(), QStringLiteral("找不到工作表收据"));
        }
    }

    void numberFormatKinds_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<Kind>("kind");
        QTest::newRow("date") << QStringLiteral("yyyy-mm-dd") << Kind::Date;
        QTest::newRow("month and year") << QStringLiteral("mmm-yy") << Kind::Date;
        QTest::newRow("date and time") << QStringLiteral("m/d/yyyy h:mm") << Kind::DateTime;
        QTest::newRow("minutes after hours") << QStringLiteral("h:mm") << Kind::Time;
        QTest::newRow("minutes before seconds") << QStringLiteral("mm:ss") << Kind::Time;
        QTest::newRow("AM/PM is no month") << QStringLiteral("h AM/PM") << Kind::Time;
        QTest::newRow("Chinese date with locale") << QStringLiteral("[$-804]yyyy\"年\"m\"月\"d\"日\"") << Kind::Date;
        QTest::newRow("general") << QStringLiteral("General") << Kind::Number;
        QTest::newRow("money") << QStringLiteral("#,##0.00;[Red]-#,##0.00") << Kind::Number;
        QTest::newRow("quoted unit") << QStringLiteral("0\" days\"") << Kind::Number;
        QTest::newRow("escaped letter") << QStringLiteral("0\\h") << Kind::Number;
        QTest::newRow("text") << QStringLiteral("@") << Kind::Number;
    }

    void numberFormatKinds()
    {
        QFETCH(QString, format);
        QFETCH(Kind, kind);
        QCOMPARE(KindOfNumberFormat(format), kind);
    }

    void serialDates_data()
    {
        QTest::addColumn<double>("serial");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("day 1") << 1.0 << Kind::Date << QStringLiteral("1900-01-01");
        QTest::newRow("before the false leap day") << 59.0 << Kind::Date << QStringLiteral("1900-02-28");
        QTest::newRow("after the false leap day") << 61.0 << Kind::Date << QStringLiteral("1900-03-01");
        QTest::newRow("2024") << 45356.0 << Kind::Date << QStringLiteral("2024-03-05");
        QTest::newRow("noon") << 45356.5 << Kind::DateTime << QStringLiteral("2024-03-05 12:00:00");
        QTest::newRow("last second") << 45356.0 + 86399.0 / 86400.0 << Kind::DateTime << QStringLiteral("2024-03-05 23:59:59");
    }

    void serialDates()
    {
        QFETCH(double, serial);
        QFETCH(Kind, kind);
        QFETCH(QString, text);
        const std::optional<SheetCell> cell = CellFromSerial(serial, kind, DateSystem::From1900);
        QVERIFY(cell.has_value());
        QCOMPARE(cell->toText(), text);
        const std::optional<double> back = SerialFromCell(*cell);
        QVERIFY(back.has_value());
        QCOMPARE(*back, serial);
    }
};

QTEST_MAIN(TestSpreadsheetReader)
#include "tst_spreadsheetreader.moc"
