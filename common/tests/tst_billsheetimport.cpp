#include "MessageScript.h"
#include "TestProgramFolder.h"
#include "helpers/RowStreamFixtures.h"
#include "helpers/SpreadsheetFixtures.h"
#include "SqliteShell.h"

#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "gui/dbfun/ReadExcel.h"

#include <QFile>
#include <QtTest>

// Spreadsheet import into bill tables, from files written by xlwt (.xls) and openpyxl (.xlsx).
class TestBillSheetImport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    QString sheet(const QString &name, const QString &rowsJson)
    {
        QFETCH(QString, suffix);
        const QString path = m_folder->file("tmp/import" + suffix);
        const ToolRun made = MakeSheetFromRows(path, name, rowsJson);
        if (made.exitCode != 0)
            qFatal("fixture: %s", made.errors.constData());
        return path;
    }
    QStringList rows(const QString &sql) const { return SqliteShellRows(m_folder->databasePath(), sql); }
    QString counter() const { return rows("select SysNoteId from Bs_SysSet").join(','); }
    void formats_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("xls") << ".xls";
        QTest::newRow("xlsx") << ".xlsx";
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_folder->removeShippedFormats();
        m_messages = std::make_unique<MessageScript>();
        ExecTmpQuery(CurAdo, "insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\", DefNote) "
                             "values ('5001', '支票默认', '支票类', '支票', '银行转帐单', '是', 1)");
    }
    void cleanup()
    {
        m_messages.reset();
        m_folder.reset();
    }

    void rowsBecomeNewBills_data() { formats_data(); }
    void rowsBecomeNewBills()
    {
        const QString path = sheet("支票", R"([
            ["金额", "付款日期", "付款账户", "用途", "未知列", "id", "RefNo", "Flag", "NoteName", "dis", "printcount", "RefAutoid"],
            [1234567.89, {"date": "2024-03-05"}, 6222021234567890, "货款", "x", 77, "999", 1, "假格式", 1, 5, 9],
            [0.07, null, "001", "零钱"],
            [],
            ["9", null, null, "空行之后"]])");
        qint64 first = 0;
        QCOMPARE(ReadExcel(CurAdo, "支票", "银行转帐单", path, first), 2);
        QCOMPARE(first, 10001);
        QCOMPARE(m_messages->shown().size(), 0);
        QCOMPARE(rows("select id, RefNo, NoteName, NoteTypeName, Flag, dis, printcount, RefAutoid, 金额, 付款日期, 付款账户, 用途, "
                      "金额_金额大写, 金额_小写分, 付款日期_小写年, 付款日期_大写日 from 银行转帐单 order by id"),
                 (QStringList{"1|10001|支票默认|支票类|-1|0|0|0|1234567.89|2024-03-05|6222021234567890|货款|"
                              "壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分|9|2024|零伍",
                              "2|10002|支票默认|支票类|-1|0|0|0|0.07||001|零钱|柒分|7||"}));
    }

    void manyRowsGetDistinctRefNos()
    {
        const QString path = m_folder->file("tmp/many.xlsx");
        const ToolRun made = runPython(QStringLiteral("import openpyxl, sys\n"
                                                      "book = openpyxl.Workbook(); sheet = book.active; sheet.title = '支票'\n"
                                                      "sheet.append(['金额', '用途'])\n"
                                                      "for i in range(1, 10001): sheet.append([i + 0.25, '第%d张' % i])\n"
                                                      "book.save(sys.argv[1])\n"),
                                       {path});
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        qint64 first = 0;
        QCOMPARE(ReadExcel(CurAdo, "支票", "银行转帐单", path, first), 10000);
        QCOMPARE(first, 10001);
        QCOMPARE(rows("select count(distinct RefNo), min(cast(RefNo as integer)), max(cast(RefNo as integer)), count(*) from 银行转帐单"),
                 QStringList{"10000|10001|20000|10000"});
        QCOMPARE(counter(), QStringLiteral("20000"));
        QCOMPARE(rows("select 用途, 金额_金额大写 from 银行转帐单 where RefNo = '20000'"), QStringList{"第10000张|壹万元贰角伍分"});
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("sheetName");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        for (const char *suffix : {".xls", ".xlsx"}) {
            QTest::addRow("wrong sheet %s", suffix) << suffix << "进账单" << "支票" << -1 << "当前导入的单据类型不正确";
            QTest::addRow("no default format %s", suffix) << suffix << "电汇单" << "电汇单" << 0 << "应先设置默认单据";
        }
    }
    void refusals()
    {
        QFETCH(QString, sheetName);
        QFETCH(QString, kind);
        QFETCH(int, result);
        QFETCH(QString, message);
        const QString path = sheet(sheetName, R"([["金额"], [5]])");
        qint64 first = 0;
        QCOMPARE(ReadExcel(CurAdo, kind, "银行转帐单", path, first), result);
        QCOMPARE(m_messages->texts(), QStringList{message});
        QCOMPARE(rows("select count(*) from 银行转帐单"), QStringList{"0"});
    }

    void headerOnlyImportsNothing_data() { formats_data(); }
    void headerOnlyImportsNothing()
    {
        const QString path = sheet("支票", R"([["金额", "用途"]])");
        qint64 first = 0;
        QCOMPARE(ReadExcel(CurAdo, "支票", "银行转帐单", path, first), 0);
        QCOMPARE(m_messages->shown().size(), 0);
        QCOMPARE(rows("select count(*) from 银行转帐单"), QStringList{"0"});
        QCOMPARE(counter(), "10000");
    }

    void unreadableFileFailsQuietly()
    {
        const QString path = m_folder->file("tmp/not.xls");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("金额,用途\n5,x\n");
        file.close();
        qint64 first = 0;
        QCOMPARE(ReadExcel(CurAdo, "支票", "银行转帐单", path, first), -1);
        QCOMPARE(m_messages->shown().size(), 0);
    }

    void aFailingRowRollsEverythingBack_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("badRow");
        QTest::addColumn<QString>("where");
        for (const char *suffix : {".xls", ".xlsx"}) {
            QTest::addRow("refused by the database %s", suffix) << suffix << R"([3, "坏"])" << "第3行数据有误";
            QTest::addRow("not an amount %s", suffix) << suffix << R"(["三元", "好"])" << "第3行“金额”列数据有误";
            QTest::addRow("amount out of range %s", suffix) << suffix << R"([-5, "好"])" << "第3行“金额”列数据有误";
        }
    }
    void aFailingRowRollsEverythingBack()
    {
        QFETCH(QString, badRow);
        QFETCH(QString, where);
        ExecTmpQuery(CurAdo, "create trigger refuse before insert on 银行转帐单 when new.用途 = '坏' "
                             "begin select raise(abort, '用途被拒绝'); end");
        const QString path = sheet("支票", QStringLiteral(R"([["金额", "用途"], [1, "好"], %1, [2, "好"]])").arg(badRow));
        qint64 first = 0;
        QCOMPARE(ReadExcel(CurAdo, "支票", "银行转帐单", path, first), -1);
        QCOMPARE(m_messages->shown().size(), 1);
        QVERIFY2(m_messages->lastText().startsWith(where), qPrintable(m_messages->lastText()));
        QVERIFY(m_messages->lastText().contains("导入已全部撤销"));
        QCOMPARE(rows("select count(*) from 银行转帐单"), QStringList{"0"});
        QCOMPARE(counter(), "10000");  // the numbers drawn for the rows are given back too
    }

    void withoutKindTheRowIdIsReturned_data() { formats_data(); }
    void withoutKindTheRowIdIsReturned()
    {
        ExecTmpQuery(CurAdo, "create table 单位表 (autoid integer primary key autoincrement, compname text, bSelf int)");
        ExecTmpQuery(CurAdo, "insert into 单位表 (compname) values ('旧')");
        ExecTmpQuery(CurAdo, "delete from 单位表");  // the counter goes on at 2
        const QString path = sheet("Sheet1", R"([["AUTOID", "CompName", "bself"], [50, "甲", 1], [51, "乙", 0]])");
        qint64 first = 0;
        QCOMPARE(ReadExcel(CurAdo, QString(), "单位表", path, first), 2);
        QCOMPARE(first, 2);
        QCOMPARE(rows("select autoid, compname, bSelf from 单位表 order by autoid"), (QStringList{"2|甲|1", "3|乙|0"}));
    }

    // Row 2 comes back after row 3 was read: the rows written as they came are rolled back and
    // the sheet is imported again, read whole, in row order.
    void rowsStoredOutOfOrderImportInRowOrder()
    {
        ExecTmpQuery(CurAdo, "create table 单位表 (autoid integer primary key autoincrement, compname text, bSelf int)");
        const QString path = m_folder->file("tmp/back.xlsx");
        const ToolRun made = MakeHandWrittenSheet(
            path, R"(<row r="1"><c t="inlineStr"><is><t>compname</t></is></c><c t="inlineStr"><is><t>bSelf</t></is></c></row>)"
                  R"(<row r="2"><c r="A2" t="inlineStr"><is><t>乙</t></is></c></row>)"
                  R"(<row r="3"><c r="A3" t="inlineStr"><is><t>丙</t></is></c></row>)"
                  R"(<row r="2"><c r="B2"><v>1</v></c></row>)");
        QVERIFY2(made.exitCode == 0, made.errors.constData());
        qint64 first = 0;
        QCOMPARE(ReadExcel(CurAdo, QString(), "单位表", path, first), 2);
        QCOMPARE(first, 1);
        QCOMPARE(rows("select autoid, compname, bSelf from 单位表 order by autoid"), (QStringList{"1|乙|1", "2|丙|"}));
    }
};

QTEST_MAIN(TestBillSheetImport)
#include "tst_billsheetimport.moc"
