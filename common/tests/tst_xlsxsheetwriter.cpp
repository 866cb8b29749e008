#include "EndedProcess.h"
#include "core/spreadsheet/SpreadsheetFile.h"
#include "core/spreadsheet/XlsxSheetWriter.h"
#include "helpers/SpreadsheetFixtures.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
const QStringList header{QStringLiteral("编号"),   QStringLiteral("账号"), QStringLiteral("金额"),
                         QStringLiteral("卡号"),   QStringLiteral("合计"), QStringLiteral("找零"),
                         QStringLiteral("日期"),   QStringLiteral("时间"), QStringLiteral("钟点"),
                         QStringLiteral("是否"),   QStringLiteral("备注"), QString(),
                         QStringLiteral("公式")};

QList<SheetCell> typedRow()
{
    return {SheetCell::text(QStringLiteral("00123")),
            SheetCell::text(QStringLiteral("6222021234567890123")),
            SheetCell::number(1234567.89),
            SheetCell::number(6222021234567890.0),
            SheetCell::amount(12345678),
            SheetCell::amount(-5),
            SheetCell::date(QDate(2024, 3, 5)),
            SheetCell::dateTime(QDateTime(QDate(2024, 3, 5), QTime(13, 45, 30))),
            SheetCell::time(QTime(18, 0)),
            SheetCell::boolean(true),
            SheetCell::text(QStringLiteral("第一行\r\n第二行")),
            SheetCell(),
            SheetCell::text(QStringLiteral("=1+1"))};
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QJsonObject openpyxlView(const QString &path)
{
    const ToolRun run = ReadXlsxWithOpenpyxl(path);
    if (run.exitCode != 0)
        qWarning() << run.errors;
    return QJsonDocument::fromJson(run.output).object();
}
} // namespace

class TestXlsxSheetWriter : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_typedFile;

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_typedFile = m_folder.filePath(QStringLiteral("typed.xlsx"));
        const SheetWriteResult written = WriteXlsxSheet(m_typedFile, header, {typedRow()}, QStringLiteral("单据"));
        QVERIFY2(written.ok, qPrintable(written.reason));
        QCOMPARE(listing(m_folder.path()), QStringList{QStringLiteral("typed.xlsx")}); // no temporary left
    }

    void cellsAsOpenpyxlReadsThem_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("wrap");
        const QString general = QStringLiteral("General");
        const QString text = QStringLiteral("s");
        const QString number = QStringLiteral("n");
        const QString date = QStringLiteral("d");
        QTest::newRow("leading zeros stay text") << 0 << QJsonValue(QStringLiteral("00123")) << text << general << false;
        QTest::newRow("19-digit account stays text")
            << 1 << QJsonValue(QStringLiteral("6222021234567890123")) << text << general << false;
        QTest::newRow("decimal number") << 2 << QJsonValue(1234567.89) << number << general << false;
        QTest::newRow("16-digit number") << 3 << QJsonValue(6222021234567890.0) << number << general << false;
        QTest::newRow("amount") << 4 << QJsonValue(1234.5678) << number << QStringLiteral("0.00") << false;
        QTest::newRow("negative amount") << 5 << QJsonValue(-0.0005) << number << QStringLiteral("0.00") << false;
        QTest::newRow("date") << 6 << QJsonValue(QStringLiteral("2024-03-05T00:00:00")) << date
                              << QStringLiteral("yyyy-mm-dd") << false;
        QTest::newRow("date and time") << 7 << QJsonValue(QStringLiteral("2024-03-05T13:45:30")) << date
                                       << QStringLiteral("yyyy-mm-dd hh:mm:ss") << false;
        QTest::newRow("time") << 8 << QJsonValue(QStringLiteral("18:00:00")) << date << QStringLiteral("hh:mm:ss") << false;
        QTest::newRow("boolean") << 9 << QJsonValue(true) << QStringLiteral("b") << general << false;
        QTest::newRow("two lines in one wrapped cell")
            << 10 << QJsonValue(QStringLiteral("第一行\n第二行")) << text << general << true;
        QTest::newRow("empty") << 11 << QJsonValue(QJsonValue::Null) << number << general << false;
        QTest::newRow("formula-like text stays text") << 12 << QJsonValue(QStringLiteral("=1+1")) << text << general << false;
    }

    void cellsAsOpenpyxlReadsThem()
    {
        QFETCH(int, column);
        QFETCH(QJsonValue, value);
        QFETCH(QString, type);
        QFETCH(QString, format);
        QFETCH(bool, wrap);
        const QJsonObject book = openpyxlView(m_typedFile);
        QCOMPARE(book.value(QLatin1String("sheets")).toArray(), QJsonArray{QStringLiteral("单据")});
        QCOMPARE(book.value(QLatin1String("maxRow")).toInt(), 2);
        const QJsonArray rows = book.value(QLatin1String("rows")).toArray();
        const QJsonValue label = rows[0].toArray()[column].toObject().value(QLatin1String("value"));
        QCOMPARE(label.toString(), header[column]); // an empty label reads as no value
        QCOMPARE(label.isNull(), header[column].isEmpty());
        const QJsonObject cell = rows[1].toArray()[column].toObject();
        QCOMPARE(cell.value(QLatin1String("value")), value);
        QCOMPARE(cell.value(QLatin1String("type")).toString(), type);
        QCOMPARE(cell.value(QLatin1String("format")).toString(), format);
        QCOMPARE(cell.value(QLatin1String("wrap")).toBool(), wrap);
    }

    void readBackByOurReader()
    {
        const SheetData sheet = SpreadsheetFile(m_typedFile).sheet(QStringLiteral("单据"));
        const QList<SheetCell> written = typedRow();
        QCOMPARE(sheet.rowCount(), 2);
        for (int column = 0; column < written.size(); ++column) {
            const SheetCell &read = sheet.cell(1, column);
            const SheetCell::Kind kind = written[column].kind();
            QCOMPARE(read.kind(), kind);
            const QString text = written[column].toText().replace(QLatin1String("\r\n"), QLatin1String("\n"));
            QCOMPARE(read.toText(), text);
        }
    }

    void emptyTableGivesHeaderOnly()
    {
        const QString file = m_folder.filePath(QStringLiteral("empty.xlsx"));
        QVERIFY(WriteXlsxSheet(file, header, {}).ok);
        const QJsonObject book = openpyxlView(file);
        QCOMPARE(book.value(QLatin1String("sheets")).toArray(), QJsonArray{QStringLiteral("Sheet1")});
        QCOMPARE(book.value(QLatin1String("maxRow")).toInt(), 1);
        QCOMPARE(book.value(QLatin1String("rows")).toArray()[0].toArray()[0].toObject().value(QLatin1String("value")),
                 QJsonValue(header[0]));
    }

    void replacesAnExistingFile()
    {
        const QString file = m_folder.filePath(QStringLiteral("again.xlsx"));
        QVERIFY(WriteXlsxSheet(file, {QStringLiteral("旧")}, {}).ok);
        QVERIFY(WriteXlsxSheet(file, {QStringLiteral("新")}, {}).ok);
        QCOMPARE(SpreadsheetFile(file).sheet(QStringLiteral("Sheet1")).cell(0, 0).toText(), QStringLiteral("新"));
    }

    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<QString>("sheetName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<QString>("reason");
        const QString fine = QStringLiteral("Sheet1");
        QTest::newRow("sheet name Excel refuses")
            << QStringLiteral("a/b") << QStringLiteral("x") << false << QStringLiteral("工作表名称“a/b”不能用于Excel文件");
        QTest::newRow("text too long for a cell")
            << fine << QString(40000, QLatin1Char('x')) << false
            << QStringLiteral("第2行第1列的文字超过32767个字符，Excel不能保存");
        QTest::newRow("read-only folder") << fine << QStringLiteral("x") << true << QString();
    }

    void failedWriteKeepsOldFile()
    {
        QFETCH(QString, sheetName);
        QFETCH(QString, text);
        QFETCH(bool, readOnlyFolder);
        QFETCH(QString, reason);
        if (readOnlyFolder && geteuid() == 0)
            QSKIP("the super-user writes into read-only folders");
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("out.xlsx"));
        QVERIFY(WriteXlsxSheet(file, header, {typedRow()}).ok);
        const QByteArray old = readFile(file);
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));

        const SheetWriteResult result = WriteXlsxSheet(file, header, {{SheetCell::text(text)}}, sheetName);
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!result.ok);
        QVERIFY(!result.reason.isEmpty());
        if (!reason.isEmpty())
            QCOMPARE(result.reason, reason);
        QCOMPARE(readFile(file), old);
        QCOMPARE(listing(folder.path()), QStringList{QStringLiteral("out.xlsx")});
    }

    // What a killed export left beside the user's file goes with the next export into that
    // folder; another running program's staging file, and files of other names, stay.
    void nextExportRemovesLeftStagingFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        const qint64 gone = EndedProcessId();
        QTest::newRow("left by a killed export") << QStringLiteral(".rows.xlsx.quillet-%1-abc123").arg(gone) << true;
        QTest::newRow("archive library's own file") << QStringLiteral(".old.pnt.quillet-%1-k3x.Ab9Z01").arg(gone) << true;
        QTest::newRow("another program's, running") << QStringLiteral(".rows.xlsx.quillet-1-abc123") << false;
        QTest::newRow("the user's hidden file") << QStringLiteral(".rows.xlsx.backup") << false;
        QTest::newRow("not hidden") << QStringLiteral("rows.xlsx.quillet-%1-abc123").arg(gone) << false;
    }

    void nextExportRemovesLeftStagingFiles()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        QTemporaryDir folder;
        const QString left = folder.filePath(name);
        QFile file(left);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("PK partial") > 0);
        file.close();
        QVERIFY(WriteXlsxSheet(folder.filePath(QStringLiteral("other.xlsx")), header, {typedRow()}).ok);
        QCOMPARE(QFile::exists(left), !removed);
        QStringList expected{QStringLiteral("other.xlsx")};
        if (!removed)
            expected.append(name);
        expected.sort();
        QStringList found = listing(folder.path());
        found.sort();
        QCOMPARE(found, expected);
    }

    void impossiblePathRefused()
    {
        const QString file = m_folder.filePath(QStringLiteral("no-such-folder/out.xlsx"));
        const SheetWriteResult result = WriteXlsxSheet(file, header, {typedRow()});
        QVERIFY(!result.ok);
        QCOMPARE(result.reason, QStringLiteral("无法写入文件%1：文件夹不存在或没有写入权限").arg(QDir::toNativeSeparators(file)));
        QVERIFY(!QFile::exists(file));
    }
};

QTEST_MAIN(TestXlsxSheetWriter)
#include "tst_xlsxsheetwriter.moc"
