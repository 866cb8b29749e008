#include "ExternalTool.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "helpers/HistoryQueryFixture.h"
#include "bills/history/ShopOrderFile.h"
#include "bills/history/TDbQueryForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "gui/desktop/DesktopOpener.h"
#include "gui/dialogs/FileDialogSeam.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridFooter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace {

// Writes an order file the way a shop's export does: every cell quoted, the long order numbers
// guarded as ="…", a multi-line remark, header names padded with blanks, columns in the shop's
// order. Prints what Python's csv module reads back from it, cells trimmed and unguarded.
const char *const kOrderFileScript =
    "import csv, io, json, sys\n"
    "path, encoding = sys.argv[1], sys.argv[2]\n"
    "header = ['订单编号 ', ' 买家会员名', '宝贝总数量', '收货人姓名', '收货地址 ', '联系电话 ', '联系手机',\n"
    "          '修改后的收货地址', '宝贝标题 ', '订单备注', '店铺名称']\n"
    "rows = [\n"
    "    ['=\"1234567890123456789\"', 'buyer1', '2', 'O\"Brien 张', '广东省深圳市南山区, 科技园1号', '0755-8888', '13800000001',\n"
    "     '', '不锈钢, \"加厚\" 保温杯', '第一行\\n第二行', '小店'],\n"
    "    ['123456789012345678', 'buyer2', '1', '李四', '北京市东城区', '010-1', '13900000002',\n"
    "     '上海市黄浦区南京路3号', '茶叶', '', '小店'],\n"
    "    ['123456789012345678', 'buyer2', '1', '李四', '北京市东城区', '010-1', '13900000002',\n"
    "     '上海市黄浦区南京路3号', '茶叶', '', '小店'],\n"
    "    ['9988776655443322', 'buyer3', '3', '王五', '浙江省杭州市', '', '13700000003', '', '雨伞', '', '小店'],\n"
    "]\n"
    "out = io.StringIO()\n"
    "writer = csv.writer(out, quoting=csv.QUOTE_ALL, lineterminator='\\r\\n')\n"
    "writer.writerow(header)\n"
    "for row in rows:\n"
    "    writer.writerow(row)\n"
    "out.write('\\r\\n')\n"
    "with open(path, 'w', encoding=encoding, newline='') as f:\n"
    "    f.write(out.getvalue())\n"
    "with open(path, encoding=encoding, newline='') as f:\n"
    "    records = [r for r in csv.reader(f)]\n"
    "def cell(c):\n"
    "    c = c.strip()\n"
    "    if len(c) >= 3 and c.startswith('=\"') and c.endswith('\"'):\n"
    "        c = c[2:-1]\n"
    "    return c.strip()\n"
    "print(json.dumps({'header': [c.replace('\"', '').strip() for c in records[0]],\n"
    "                  'orders': [[cell(c) for c in r] for r in records[1:] if any(x.strip() for x in r)]},\n"
    "                 ensure_ascii=False))\n";

}  // namespace

// The history query's imports: shop order files into waybills and spreadsheets into any kind,
// and the faults of the list around them.
class TestHistoryImports : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    std::unique_ptr<HistoryQueryFixture> m_screen;
    QString m_chosenFile;

    QString stored(const QString &sql) { return SqliteShellRows(m_screen->folder.databasePath(), sql).join(QLatin1Char('\n')); }

    std::unique_ptr<TDbQueryForm> shownForm() { return m_screen->shownForm(); }
    void press(TDbQueryForm &form, const char *name)
    {
        auto *button = form.findChild<QPushButton *>(QLatin1String(name));
        QVERIFY2(button && button->isVisible(), name);
        button->click();
    }
    QString orderFile(const QString &name, const QString &encoding, QJsonObject *reference = nullptr)
    {
        const QString path = m_screen->folder.file(QStringLiteral("tmp/") + name);
        const ToolRun made = runPython(QString::fromUtf8(kOrderFileScript), {path, encoding});
        if (made.exitCode != 0)
            qWarning() << made.errors;
        if (reference)
            *reference = QJsonDocument::fromJson(made.output).object();
        return path;
    }
    void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void makeSheet(const QString &path, const QString &script)
    {
        const ToolRun made = runPython(script, {path});
        QVERIFY2(made.exitCode == 0, made.errors.constData());
    }

private Q_SLOTS:
    void init()
    {
        m_screen = std::make_unique<HistoryQueryFixture>(HistoryQueryFixture::Formats::None);
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\", DefNote)"
                                            " values ('60001', '测试支票', '测试支票类', '支票', '银行转帐单', '是', 1),"
                                            " ('60002', '测试快递', '测试快递类', '快递单', '快递单', '是', 1)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (bSelf, compname, contact, compaddr, phone, mailNO, telephone,"
                                            " province, city, area, kdDefault) values"
                                            " (1, '本公司', '发货员', '深圳市福田区1号', '0755-1', '518000', '138', '广东', '深圳', '福田', 1)"));
        m_chosenFile.clear();
        FileDialogSeam::setHandler([this](const FileDialogRequest &) { return m_chosenFile; });
        DesktopOpener::setHandler([](const QUrl &) { return true; });
    }
    void cleanup()
    {
        FileDialogSeam::setHandler({});
        DesktopOpener::setHandler({});
        m_screen.reset();
    }

    // Our reader gives the cells Python's csv module gives, in both encodings a shop writes.
    void orderFileReadsLikePythonsCsv_data()
    {
        QTest::addColumn<QString>("encoding");
        QTest::newRow("GBK") << "gbk";
        QTest::newRow("UTF-8 with a byte-order mark") << "utf-8-sig";
        QTest::newRow("UTF-8") << "utf-8";
    }
    void orderFileReadsLikePythonsCsv()
    {
        QFETCH(QString, encoding);
        QJsonObject reference;
        const ShopOrderFile file = ReadShopOrderFile(orderFile(QStringLiteral("orders.csv"), encoding, &reference));
        QStringList header;
        for (const QJsonValue &cell : reference.value(QLatin1String("header")).toArray())
            header.append(cell.toString());
        QCOMPARE(file.header, header);
        const QJsonArray orders = reference.value(QLatin1String("orders")).toArray();
        QCOMPARE(file.orders.size(), orders.size());
        for (int i = 0; i < orders.size(); ++i) {
            QStringList expected;
            for (const QJsonValue &cell : orders.at(i).toArray())
                expected.append(cell.toString());
            QCOMPARE(file.orders.at(i), expected);
        }
        QCOMPARE(file.cell(0, file.column(QStringLiteral("订单编号"))), QStringLiteral("1234567890123456789"));
        QCOMPARE(file.cell(0, file.column(QStringLiteral("订单备注"))), QStringLiteral("第一行\n第二行"));
    }

    void ordersBecomeWaybillsOnce()
    {
        m_chosenFile = orderFile(QStringLiteral("orders.csv"), QStringLiteral("gbk"));
        auto form = shownForm();
        press(*form, "KindButton4");  // 快递单
        press(*form, "ShopImportButton");
        QCOMPARE(m_screen->messages.texts(), (QStringList{QStringLiteral("共读入4条数据！"), QStringLiteral("导入3条数据")}));
        QCOMPARE(m_screen->messages.shown().last().title, QStringLiteral("提示"));
        QCOMPARE(stored(QStringLiteral(
                     "select 淘宝订单号, 收件人联系人, 收件人地址, 货品名称, 件数, 收件手机, 寄件人名称, 寄件人联系人, 寄件省,"
                     " NoteName, NoteTypeName, Flag, dis, printcount, RefAutoid from 快递单 order by id")),
                 QStringLiteral("1234567890123456789|O\"Brien 张|广东省深圳市南山区, 科技园1号|不锈钢, \"加厚\" 保温杯|2|13800000001|本公司|发货员|广东|测试快递|测试快递类|-1|0|0|0\n"
                                "123456789012345678|李四|上海市黄浦区南京路3号|茶叶|1|13900000002|本公司|发货员|广东|测试快递|测试快递类|-1|0|0|0\n"
                                "9988776655443322|王五|浙江省杭州市|雨伞|3|13700000003|本公司|发货员|广东|测试快递|测试快递类|-1|0|0|0"));
        // Fresh numbers, and the date's derived columns filled.
        QCOMPARE(stored(QStringLiteral("select count(distinct Refno), min(寄件日期_小写年 <> '') from 快递单")), QStringLiteral("3|1"));
        // The list shows exactly the new waybills.
        QCOMPARE(form->dataSet()->recordCount(), 3);

        m_screen->messages.clear();
        press(*form, "ShopImportButton");
        QVERIFY(m_screen->messages.texts().isEmpty());
        QCOMPARE(stored(QStringLiteral("select count(*) from 快递单")), QStringLiteral("3"));
    }

    void orderFilesThatMakeNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("header only") << QByteArray("\"订单编号\",\"收货人姓名\"\r\n") << QStringList();
        QTest::newRow("no order number column")
            << QByteArray("\"收货人姓名\",\"收货地址\"\r\n\"张三\",\"北京\"\r\n")
            << QStringList{QStringLiteral("订单文件中没有“订单编号”列，没有导入数据")};
    }
    void orderFilesThatMakeNothing()
    {
        QFETCH(QByteArray, content);
        m_chosenFile = m_screen->folder.file(QStringLiteral("tmp/few.csv"));
        writeFile(m_chosenFile, content);
        auto form = shownForm();
        press(*form, "KindButton4");
        press(*form, "ShopImportButton");
        QFETCH(QStringList, messages);
        QCOMPARE(m_screen->messages.texts(), messages);
        QCOMPARE(stored(QStringLiteral("select count(*) from 快递单")), QStringLiteral("0"));
    }

    void ordersNeedADefaultWaybillFormat()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set DefNote = 0 where NoteType = '快递单'"));
        m_chosenFile = orderFile(QStringLiteral("orders.csv"), QStringLiteral("utf-8-sig"));
        auto form = shownForm();
        press(*form, "KindButton4");
        press(*form, "ShopImportButton");
        QCOMPARE(m_screen->messages.texts(), QStringList{QStringLiteral("没有定义默认的快递单")});
        QCOMPARE(m_screen->messages.shown().first().title, QStringLiteral("提示"));
        QCOMPARE(stored(QStringLiteral("select count(*) from 快递单")), QStringLiteral("0"));
    }

    // A spreadsheet of cheques: typed cells kept, unknown headers skipped, nothing after the
    // first empty row, the list showing exactly the rows made.
    void sheetOfCheques_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("script");
        QTest::newRow("xlsx") << "cheques.xlsx"
                              << "import openpyxl, sys, datetime\n"
                                 "book = openpyxl.Workbook()\n"
                                 "sheet = book.active\n"
                                 "sheet.title = '支票'\n"
                                 "sheet.append(['收款人名称', '金额', '付款日期', '无此列', 'RefNo'])\n"
                                 "sheet.append([\"O'Brien\", 1234.5, datetime.date(2026, 3, 1), 'x', '999'])\n"
                                 "sheet.append(['华东机电', 0.1, datetime.date(2026, 3, 2), 'y', '998'])\n"
                                 "sheet.append([])\n"
                                 "sheet.append(['不该导入', 1, None, None, None])\n"
                                 "book.save(sys.argv[1])\n";
        QTest::newRow("xls") << "cheques.xls"
                             << "import xlwt, sys, datetime\n"
                                "book = xlwt.Workbook()\n"
                                "sheet = book.add_sheet('支票')\n"
                                "dates = xlwt.easyxf(num_format_str='yyyy-mm-dd')\n"
                                "for c, v in enumerate(['收款人名称', '金额', '付款日期', '无此列', 'RefNo']): sheet.write(0, c, v)\n"
                                "for r, (p, a, d) in enumerate([(\"O'Brien\", 1234.5, 1), ('华东机电', 0.1, 2)], 1):\n"
                                "    sheet.write(r, 0, p); sheet.write(r, 1, a); sheet.write(r, 2, datetime.date(2026, 3, d), dates)\n"
                                "    sheet.write(r, 3, 'x'); sheet.write(r, 4, '999')\n"
                                "sheet.write(4, 0, '不该导入')\n"
                                "book.save(sys.argv[1])\n";
    }
    void sheetOfCheques()
    {
        QFETCH(QString, file);
        QFETCH(QString, script);
        m_chosenFile = m_screen->folder.file(QStringLiteral("tmp/") + file);
        makeSheet(m_chosenFile, script);
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 银行转帐单 (NoteName, Refno, 收款人名称, 金额) values ('测试支票', '1', '旧的', 5)"));
        auto form = shownForm();
        press(*form, "ImportButton");
        QCOMPARE(m_screen->messages.texts(), QStringList{QStringLiteral("共读入2条数据")});
        QCOMPARE(stored(QStringLiteral("select 收款人名称, 金额, substr(付款日期, 1, 10), NoteName, Flag, Refno <> '999'"
                                       " from 银行转帐单 where id > 1 order by id")),
                 QStringLiteral("O'Brien|1234.5|2026-03-01|测试支票|-1|1\n华东机电|0.1|2026-03-02|测试支票|-1|1"));
        QStringList payees;
        for (int row = 0; row < form->dataSet()->recordCount(); ++row)
            payees.append(form->dataSet()->value(row, form->dataSet()->fieldByName(QStringLiteral("收款人名称"))).toString());
        payees.sort();
        QCOMPARE(payees, (QStringList{QStringLiteral("O'Brien"), QStringLiteral("华东机电")}));
    }

    void sheetRefusals_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("wrong sheet name") << "import openpyxl, sys\n"
                                             "book = openpyxl.Workbook()\n"
                                             "book.active.title = '进账单'\n"
                                             "book.active.append(['收款人名称'])\n"
                                             "book.active.append(['甲'])\n"
                                             "book.save(sys.argv[1])\n"
                                          << QStringList{QStringLiteral("当前导入的单据类型不正确"), QStringLiteral("读数据失败")};
        QTest::newRow("text in an amount") << "import openpyxl, sys\n"
                                              "book = openpyxl.Workbook()\n"
                                              "book.active.title = '支票'\n"
                                              "book.active.append(['收款人名称', '金额'])\n"
                                              "book.active.append(['甲', 1])\n"
                                              "book.active.append(['乙', 'abc'])\n"
                                              "book.save(sys.argv[1])\n"
                                           << QStringList{QStringLiteral("第3行“金额”列数据有误"), QStringLiteral("读数据失败")};
    }
    void sheetRefusals()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, messages);
        m_chosenFile = m_screen->folder.file(QStringLiteral("tmp/bad.xlsx"));
        makeSheet(m_chosenFile, script);
        auto form = shownForm();
        press(*form, "ImportButton");
        const QStringList shown = m_screen->messages.texts();
        QCOMPARE(shown.size(), messages.size());
        for (int i = 0; i < messages.size(); ++i)
            QVERIFY2(shown.at(i).startsWith(messages.at(i)), qPrintable(shown.at(i)));
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("0"));
    }

    // The list's export imports again: the same bills under new numbers.
    void exportedListImportsAgain()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 银行转帐单 (NoteName, NoteTypeName, Refno, Flag, dis, 收款人名称, 金额, 付款日期) values"
                                            " ('测试支票', '测试支票类', '50', 1, 0, 'O''Brien', 1234.5, '2026-03-01'),"
                                            " ('测试支票', '测试支票类', '51', -1, 0, '华东机电', 0.1, '2026-03-02')"));
        const QString columns = QStringLiteral("收款人名称, 金额, 付款日期, NoteName, NoteTypeName");
        const QString before = stored(QStringLiteral("select %1 from 银行转帐单 order by 收款人名称").arg(columns));
        m_chosenFile = m_screen->folder.file(QStringLiteral("tmp/list.xlsx"));
        auto form = shownForm();
        form->exportList();
        QCOMPARE(m_screen->messages.texts(), QStringList{QStringLiteral("数据导出完毕！")});
        m_screen->messages.clear();
        press(*form, "ImportButton");
        QCOMPARE(m_screen->messages.texts(), QStringList{QStringLiteral("共读入2条数据")});
        QCOMPARE(stored(QStringLiteral("select %1 from 银行转帐单 where id > 2 order by 收款人名称").arg(columns)), before);
        // New numbers and states; the derived texts filled from the amounts.
        QCOMPARE(stored(QStringLiteral("select count(distinct Refno), max(Flag), min(Refno not in ('50', '51')),"
                                       " min(金额_金额大写 <> '') from 银行转帐单 where id > 2")),
                 QStringLiteral("2|-1|1|1"));
    }

    void stockListOpens()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 商品库存 (产品编号, 品名, 数量, 仓库) values ('A1', '垫片', 5, '一号库'), ('B2', '螺母', 7, '一号库')"));
        auto form = shownForm();
        press(*form, "KindButton9");
        QVERIFY2(m_screen->messages.texts().isEmpty(), qPrintable(m_screen->messages.texts().join(u'\n')));
        QCOMPARE(form->dataSet()->recordCount(), 2);
        QVERIFY(!form->findChild<QPushButton *>(QStringLiteral("ImportButton"))->isVisible());
    }

    // A refused filter leaves no rows that the boxes do not describe; a clerk's thousands
    // separator is a number.
    void refusedFilterClearsTheList()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 银行转帐单 (NoteName, Refno, 收款人名称, 金额) values"
                                            " ('测试支票', '1', '甲', 5), ('测试支票', '2', '乙', 1500)"));
        auto form = shownForm();
        QCOMPARE(form->dataSet()->recordCount(), 2);
        form->findChild<QLineEdit *>(QStringLiteral("AmountFromBox"))->setText(QStringLiteral("abc"));
        press(*form, "KindButton0");
        QCOMPARE(m_screen->messages.texts(), QStringList{QStringLiteral("金额不是数字：abc")});
        QCOMPARE(form->dataSet()->recordCount(), 0);
        form->findChild<QLineEdit *>(QStringLiteral("AmountFromBox"))->setText(QStringLiteral("1,000.00"));
        press(*form, "KindButton0");
        QCOMPARE(form->dataSet()->recordCount(), 1);
    }

    // Bookkeeping columns read as a clerk's words; derived columns wait behind the column chooser.
    void columnsAClerkReads()
    {
        auto form = shownForm();
        DataGrid *grid = form->grid();
        const auto titleOf = [&](const QString &name) {
            return grid->model()->headerData(grid->columnOfField(name), Qt::Horizontal).toString();
        };
        QCOMPARE(titleOf(QStringLiteral("id")), QStringLiteral("编号"));
        QCOMPARE(titleOf(QStringLiteral("Flag")), QStringLiteral("审核标志"));
        QCOMPARE(titleOf(QStringLiteral("printcount")), QStringLiteral("打印次数"));
        QVERIFY(grid->isColumnVisible(grid->columnOfField(QStringLiteral("金额"))));
        QVERIFY(!grid->isColumnVisible(grid->columnOfField(QStringLiteral("金额_金额大写"))));
        QVERIFY(!grid->isColumnVisible(grid->columnOfField(QStringLiteral("付款日期_小写年"))));
    }

    // The kind buttons stay put while the filter groups show and hide.
    void kindButtonsStayPut()
    {
        auto form = shownForm();
        form->resize(1000, 700);
        const auto *cash = form->findChild<QPushButton *>(QStringLiteral("KindButton5"));
        QCoreApplication::processEvents();
        const QPoint before = cash->mapTo(form.get(), QPoint());
        for (const char *kind : {"KindButton4", "KindButton6", "KindButton9", "KindButton1"}) {
            press(*form, kind);
            QCoreApplication::processEvents();
            QCOMPARE(cash->mapTo(form.get(), QPoint()), before);
        }
    }

    // The footer stays under its columns when the screen comes back from behind another one.
    void footerStaysUnderTheGrid()
    {
        QMdiArea area;
        area.resize(1100, 700);
        auto *form = new TDbQueryForm(nullptr);
        QMdiSubWindow *history = area.addSubWindow(form);
        QMdiSubWindow *other = area.addSubWindow(new QLabel(QStringLiteral("另一个窗口")));
        area.show();
        history->showMaximized();
        QTest::qWait(50);
        DataGrid *grid = form->grid();
        GridFooter *footer = grid->findChild<GridFooter *>();
        QVERIFY(footer);
        const auto underTheRows = [&] { return footer->geometry().top() == grid->viewport()->geometry().bottom() + 1; };
        QVERIFY(underTheRows());
        for (int round = 0; round < 2; ++round) {
            area.setActiveSubWindow(other);
            other->showMaximized();
            QTest::qWait(30);
            area.resize(area.width() - 40, area.height() - 30);
            QTest::qWait(30);
            area.setActiveSubWindow(history);
            history->showMaximized();
            QTest::qWait(50);
            QVERIFY(underTheRows());
            QCOMPARE(footer->width(), grid->viewport()->width() + grid->verticalHeader()->width());
        }
    }
};

QTEST_MAIN(TestHistoryImports)
#include "tst_historyimports.moc"
