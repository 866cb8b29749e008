#include "MessageScript.h"
#include "SqliteShell.h"
#include "TestProgramFolder.h"
#include "helpers/UserInput.h"
#include "helpers/GridTitles.h"
#include "helpers/ModalDialogs.h"

#include "bills/pickers/PickData.h"
#include "bills/pickers/PickResult.h"
#include "bills/pickers/TPickDataForm.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "gui/grid/DataGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Double-clicks the row whose first column shows the text, as the user does.
void doubleClickRow(TPickDataForm *form, const QString &firstColumnText)
{
    DataGrid *grid = form->grid();
    const int column = grid->horizontalHeader()->logicalIndex(0);
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        const QModelIndex cell = grid->model()->index(row, column);
        if (cell.data().toString() == firstColumnText) {
            DoubleClickCell(grid, cell);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no row %1").arg(firstColumnText)));
}

using PickRoutine = QString (*)(const QSqlDatabase &, QWidget *);

QString pickOwnBank(const QSqlDatabase &db, QWidget *owner)
{
    return PickCustBank(db, owner, QStringLiteral("bself=1"));
}

const PickRoutine kRoutines[] = {&PickCustName_Kd,     &PickCustName_Chd2,   &PickCompName_bank,  &PickSelfBank,
                                 &PickProductPartNo,   &PickProductPartName, &PickProductPartSpec, &pickOwnBank,
                                 &PickCustName_Chd};

} // namespace

// The lookup pickers: what each shows, what it returns, cancel, empty lists and the search.
class TestPickData : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;

    void seedBook()
    {
        ExecTmpQuery(CurAdo, QStringLiteral(
            "insert into bs_complist (bSelf, Compid, compname, compbankname, compbankcount, bankNo, province, city,"
            " area, compaddr, mailNO, contact, telephone, phone) values"
            " (1, 'TAX1', '本公司', '工行', '1001', '102', '广东', '深圳', '南山', '深南路1号', '518000', '王五',"
            "  '13800000001', '0755-1'),"
            " (0, 'TAX2', '客户甲', '建行', '2002', '105', '北京', '北京', '东城', '长安街2号', '100000', '李四',"
            "  '13900000002', '010-2')"));
        // Goods come with the goods list; the pickers only read them.
        ExecTmpQuery(CurAdo, QStringLiteral("create table if not exists Bs_ProdList (autoid INTEGER PRIMARY KEY,"
                                            " PartNo TEXT, PartName TEXT, PartSpec TEXT, Unit TEXT, Price money)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, PartSpec, Unit, Price)"
                                            " values ('P-1', '螺丝', 'M6', '个', 1.5)"));
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        m_messages = std::make_unique<MessageScript>();
        seedBook();
    }
    void cleanup()
    {
        m_messages.reset();
        m_folder.reset();
    }

    void pickerByNumber_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("titles");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("expected");
        const QString bankTitles = QStringLiteral("公司名称,开户银行,银行账户,省,市,行号");
        const QString unitTitles = QStringLiteral("公司名称,地址,联系人,手机,电话,邮编,省,市,区");
        const QString contactTitles = QStringLiteral("公司名称,地址,联系人,电话");
        const QString bank = QStringLiteral("选择银行账户资料");
        const QString unit = QStringLiteral("选择单位资料");
        // Accounts give the account number before the bank.
        QTest::newRow("1 accounts") << 1 << bank << bankTitles << 2 << QStringLiteral("客户甲")
                                    << QStringLiteral("客户甲,2002,建行,北京,北京,105");
        QTest::newRow("2 companies") << 2 << QStringLiteral("选择公司资料") << contactTitles << 2
                                     << QStringLiteral("本公司") << QStringLiteral("本公司,深南路1号,王五,13800000001");
        QTest::newRow("3 goods") << 3 << QStringLiteral("选择产品") << QStringLiteral("货号,品名,规格,单位,价格") << 1
                                 << QStringLiteral("P-1") << QStringLiteral("P-1,螺丝,M6,个,1.5");
        QTest::newRow("4 partner accounts") << 4 << bank << bankTitles << 1 << QStringLiteral("客户甲")
                                            << QStringLiteral("客户甲,2002,建行,北京,北京,105");
        // The company book's entry last: the delivery note keeps it as its 客户编号.
        QTest::newRow("5 receivers") << 5 << QStringLiteral("选择收货单位") << contactTitles << 1
                                     << QStringLiteral("客户甲") << QStringLiteral("客户甲,长安街2号,13900000002,2");
        QTest::newRow("6 all units") << 6 << unit << unitTitles << 2 << QStringLiteral("本公司")
                                     << QStringLiteral("本公司,深南路1号,王五,13800000001,0755-1,518000,广东,深圳,南山");
        QTest::newRow("7 own units") << 7 << unit << unitTitles << 1 << QStringLiteral("本公司")
                                     << QStringLiteral("本公司,深南路1号,王五,13800000001,0755-1,518000,广东,深圳,南山");
        QTest::newRow("8 partner units") << 8 << unit << unitTitles << 1 << QStringLiteral("客户甲")
                                         << QStringLiteral("客户甲,长安街2号,李四,13900000002,010-2,100000,北京,北京,东城");
        QTest::newRow("9 drawing accounts") << 9 << QStringLiteral("选择出票账户")
                                            << QStringLiteral("公司名称,开户银行,银行账户,行号") << 1
                                            << QStringLiteral("本公司") << QStringLiteral("本公司,1001,工行,102");
        QTest::newRow("10 own accounts") << 10 << bank << bankTitles << 1 << QStringLiteral("本公司")
                                         << QStringLiteral("本公司,1001,工行,广东,深圳,102");
        QTest::newRow("11 customers") << 11 << QStringLiteral("选择客户资料") << QStringLiteral("公司名称,税号,开户行,地址")
                                      << 1 << QStringLiteral("客户甲") << QStringLiteral("客户甲,TAX2,建行,长安街2号");
    }
    void pickerByNumber()
    {
        QFETCH(int, number);
        QFETCH(QString, pick);
        QWidget owner;
        ModalWatch<TPickDataForm> watch([&](TPickDataForm *form) {
            QCOMPARE(form->parentWidget(), &owner);
            QTEST(form->windowTitle(), "caption");
            QTEST(ShownTitles(form->grid()).join(QLatin1Char(',')), "titles");
            QTEST(form->rows()->recordCount(), "rows");
            doubleClickRow(form, pick);
            QVERIFY(!form->isVisible());
        });
        const QString picked = GetPickData(CurAdo, &owner, number);
        QCOMPARE(watch.seen(), 1);
        QTEST(picked, "expected");
    }

    void directPickers_data()
    {
        QTest::addColumn<int>("routine");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("pick");
        QTest::addColumn<QString>("expected");
        QTest::newRow("waybill receiver") << 0 << QStringLiteral("选择收件单位") << 1 << QStringLiteral("客户甲")
                                          << QStringLiteral("客户甲");
        QTest::newRow("delivery receiver name") << 1 << QStringLiteral("选择收货单位") << 1 << QStringLiteral("客户甲")
                                                << QStringLiteral("客户甲");
        QTest::newRow("any unit") << 2 << QStringLiteral("选择单位") << 2 << QStringLiteral("本公司")
                                  << QStringLiteral("本公司");
        QTest::newRow("own bank") << 3 << QStringLiteral("选择出票账户") << 1 << QStringLiteral("本公司")
                                  << QStringLiteral("工行");
        QTest::newRow("part number") << 4 << QStringLiteral("选择产品") << 1 << QStringLiteral("P-1") << QStringLiteral("P-1");
        QTest::newRow("part name") << 5 << QStringLiteral("选择产品") << 1 << QStringLiteral("P-1") << QStringLiteral("螺丝");
        QTest::newRow("part size (规格)") << 6 << QStringLiteral("选择产品") << 1 << QStringLiteral("P-1") << QStringLiteral("M6");
        QTest::newRow("accounts by condition") << 7 << QStringLiteral("选择银行账户资料") << 1 << QStringLiteral("本公司")
                                               << QStringLiteral("本公司,1001,工行,广东,深圳,102");
        QTest::newRow("delivery receiver") << 8 << QStringLiteral("选择收货单位") << 1 << QStringLiteral("客户甲")
                                           << QStringLiteral("客户甲,长安街2号,13900000002,2");
    }
    void directPickers()
    {
        QFETCH(int, routine);
        QFETCH(QString, pick);
        ModalWatch<TPickDataForm> watch([&](TPickDataForm *form) {
            QTEST(form->windowTitle(), "caption");
            QTEST(form->rows()->recordCount(), "rows");
            doubleClickRow(form, pick);
        });
        QTEST(kRoutines[routine](CurAdo, nullptr), "expected");
        QCOMPARE(watch.seen(), 1);
    }

    void numbersWithoutPicker_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("0") << 0;
        QTest::newRow("above 11") << 12;
        QTest::newRow("negative") << -1;
    }
    void numbersWithoutPicker()
    {
        QFETCH(int, number);
        ModalWatch<TPickDataForm> watch([](TPickDataForm *) {});
        QCOMPARE(GetPickData(CurAdo, nullptr, number), QString());
        QCOMPARE(watch.seen(), 0);
    }

    // Closing without a double-click on a row, or on an empty list, gives nothing.
    void cancelAndEmptyList_data()
    {
        QTest::addColumn<bool>("emptyBook");
        QTest::newRow("closed") << false;
        QTest::newRow("empty list") << true;
    }
    void cancelAndEmptyList()
    {
        QFETCH(bool, emptyBook);
        if (emptyBook)
            ExecTmpQuery(CurAdo, QStringLiteral("delete from bs_complist"));
        ModalWatch<TPickDataForm> watch([&](TPickDataForm *form) {
            QCOMPARE(form->rows()->isEmpty(), emptyBook);
            if (emptyBook) {
                QTest::mouseClick(form->grid()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
                QTest::mouseDClick(form->grid()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
                QVERIFY(form->isVisible());
            }
            form->close();
        });
        QCOMPARE(GetPickData(CurAdo, nullptr, 6), QString());
        QCOMPARE(watch.seen(), 1);
    }

    // The search looks in the shown columns and keeps the picker's own condition; what is typed
    // travels as a value.
    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::newRow("own bank") << QStringLiteral("工行") << 1;
        QTest::newRow("partner's name is outside the picker") << QStringLiteral("客户甲") << 0;
        QTest::newRow("part of a city, blanks trimmed") << QStringLiteral(" 深 ") << 1;
        QTest::newRow("quote") << QStringLiteral("'") << 0;
        QTest::newRow("empty: all of the picker's rows") << QString() << 1;
    }
    void search()
    {
        ModalWatch<TPickDataForm> watch([&](TPickDataForm *form) {
            QFETCH(QString, text);
            form->searchBox()->setText(text);
            QTest::mouseClick(form->searchButton(), Qt::LeftButton);
            QTEST(form->rows()->recordCount(), "rows");
            form->close();
        });
        QCOMPARE(GetPickData(CurAdo, nullptr, 10), QString());
        QCOMPARE(watch.seen(), 1);
    }

    // A value with a comma keeps its place for the caller; ordinary values stay as they are.
    void valueWithComma()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into bs_complist (bSelf, compname, compaddr) values (0, '甲,乙公司', NULL)"));
        ModalWatch<TPickDataForm> watch([](TPickDataForm *form) { doubleClickRow(form, QStringLiteral("甲,乙公司")); });
        const QString picked = GetPickData(CurAdo, nullptr, 5);
        const QString entry = QString::number(SelTableIntValue(CurAdo, QStringLiteral("select autoid from bs_complist where compname = '甲,乙公司'")));
        QCOMPARE(picked, QStringLiteral("\"甲,乙公司\",,,") + entry);
        QCOMPARE(SplitPickValues(picked), (QStringList{QStringLiteral("甲,乙公司"), QString(), QString(), entry}));
    }

    void joinAndSplit_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("text");
        QTest::newRow("ordinary") << QStringList{QStringLiteral("张三"), QStringLiteral("北京")} << QStringLiteral("张三,北京");
        QTest::newRow("two empty values") << QStringList{QString(), QString()} << QStringLiteral(",");
        QTest::newRow("comma") << QStringList{QStringLiteral("a,b"), QStringLiteral("c")} << QStringLiteral("\"a,b\",c");
        QTest::newRow("leading quote") << QStringList{QStringLiteral("\"x\" y")} << QStringLiteral("\"\"\"x\"\" y\"");
        QTest::newRow("inner quote stays plain") << QStringList{QStringLiteral("5\" 钉子"), QStringLiteral("d")}
                                                 << QStringLiteral("5\" 钉子,d");
        QTest::newRow("nothing") << QStringList() << QString();
    }
    void joinAndSplit()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, text);
        QCOMPARE(JoinPickValues(values), text);
        QCOMPARE(SplitPickValues(text), values);
    }

    // The shipped picker names lead to pickers that return as many values as the row says.
    void shippedPickerRows()
    {
        const QStringList rows = SqliteShellRows(m_folder->databasePath(),
                                                 QStringLiteral("select PickName, tagid, RtnFieldCount from p_pickList order by autoid"));
        QVERIFY(rows.size() >= 3);
        for (const QString &row : rows) {
            const QStringList columns = row.split(QLatin1Char('|'));
            const std::optional<Picker> picker = PickerOfNumber(columns.at(1).toInt());
            QVERIFY2(picker, qPrintable(row));
            QCOMPARE(picker->returnFields.size(), columns.at(2).toInt());
        }
        const auto numberOf = [&](const QString &name) {
            return SelTableIntValue(CurAdo, QStringLiteral("select tagid from p_pickList where pickname = ?"), {name});
        };
        QCOMPARE(PickerOfNumber(numberOf(QStringLiteral("选择寄件方")))->condition, QStringLiteral("bself=1"));
        QCOMPARE(PickerOfNumber(numberOf(QStringLiteral("选择收件方")))->condition, QStringLiteral("bself=0"));
        QCOMPARE(PickerOfNumber(numberOf(QStringLiteral("选择寄件方")))->returnFields.size(), 9);
        QCOMPARE(PickerOfNumber(numberOf(QStringLiteral("选择产品")))->table, QStringLiteral("Bs_ProdList"));
    }

    // Each caption and table keeps a layout of its own; a missing table is refused before showing.
    void layoutSectionAndMissingTable()
    {
        TPickDataForm form(nullptr);
        form.openPicker(CurAdo, *PickerOfNumber(1), {});
        QCOMPARE(form.grid()->layoutSection(), QStringLiteral("选择银行账户资料_bs_compList"));
        ExecTmpQuery(CurAdo, QStringLiteral("drop table Bs_ProdList"));
        ModalWatch<TPickDataForm> watch([](TPickDataForm *) {});
        QVERIFY_THROWS_EXCEPTION(std::exception, GetPickData(CurAdo, nullptr, 3));
        QCOMPARE(watch.seen(), 0);
    }
};

QTEST_MAIN(TestPickData)
#include "tst_pickdata.moc"
