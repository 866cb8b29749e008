#include "BuiltFolders.h"
#include "ExternalTool.h"
#include "MessageScript.h"
#include "PdfWords.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"
#include "helpers/BillFormWindow.h"
#include "helpers/UserInput.h"

#include "bills/form/TEditNoteForm.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/dbfun/BillColumns.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/RefNoParam.h"
#include "gui/dataaware/NullableDateEdit.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "gui/grid/DataGrid.h"
#include "gui/printfun/CurrentPrinter.h"
#include "mainwindow/TM1Form.h"
#include "tav/TtavCurrencyLabel.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// A detail line typed into a delivery note or a receipt.
struct Line
{
    QString code;
    QString quantity;
    QString price;
    QString warehouse;
};
Q_DECLARE_METATYPE(Line)

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kToleranceMm = 0.8;

using Entries = QList<QPair<QString, QString>>;  // column, typed text

bool inside(const QRectF &area, const QRectF &word)
{
    return area.adjusted(-kToleranceMm, -kToleranceMm, kToleranceMm, kToleranceMm).contains(word.center());
}

// A printed field: its rectangle on paper and the text the bill gives it.
struct PrintedField
{
    QString caption;
    QRectF mm;
    QString expected;
    bool digitsOnly = false;  // amount boxes: one digit per box
};

template <class Control>
Control *control(TEditNoteForm &form, const QString &column)
{
    for (Control *candidate : form.page()->findChildren<Control *>(Qt::FindDirectChildrenOnly))
        if (candidate->property("dbFieldName").toString() == column)
            return candidate;
    return nullptr;
}

QString onlyDigits(const QString &text)
{
    QString digits;
    for (const QChar c : text)
        if (c.isDigit())
            digits.append(c);
    return digits;
}

} // namespace

// Every built-in kind as a new user meets it: its icon on the main page opens its shipped
// format over its picture; a bill is typed in, saved, reopened from the history query and
// printed to PDF, where every text stands inside the page at its field's place.
class TestBuiltinKinds : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    QString storedColumn(const QString &table, const QString &column, qint64 id)
    {
        return stored(QStringLiteral("select coalesce(\"%1\", '') from \"%2\" where id = %3").arg(column, table).arg(id));
    }

    QWidget *mainPage()
    {
        for (const OpenScreen &screen : m_window->openScreens().screens())
            if (QLatin1String(screen.form->metaObject()->className()) == QLatin1String("TLumiskMainForm"))
                return screen.form.data();
        return nullptr;
    }

    TEditNoteForm *billForm() { return OpenBillForm(*m_window); }

    // Opens the kind's format as a user does: its tab, then a double click on its icon.
    TEditNoteForm *openFromMainPage(const QString &kind)
    {
        QWidget *page = mainPage();
        if (!page)
            return nullptr;
        for (QWidget *child : page->findChildren<QWidget *>())
            if (QLatin1String(child->metaObject()->className()) == QLatin1String("TabButton") && child->toolTip() == kind)
                QTest::mouseClick(child, Qt::LeftButton);
        auto *icons = page->findChild<QListWidget *>(QStringLiteral("ListView1"));
        QListWidgetItem *icon = nullptr;
        for (int row = 0; row < icons->count(); ++row)
            if (icons->item(row)->text().section(QLatin1Char('\n'), 0, 0).trimmed() == kind)
                icon = icons->item(row);
        if (!icon || icon->icon().isNull())
            return nullptr;
        DoubleClickCell(icons, icons->indexFromItem(icon));
        return billForm();
    }

    void typeInto(TEditNoteForm &form, const QString &column, const QString &text)
    {
        QApplication::setActiveWindow(m_window.get());
        if (auto *amount = control<TtavDBCurrencyEdit>(form, column)) {
            amount->setFocus();
            QTest::keyClick(amount, Qt::Key_Delete, Qt::ControlModifier);  // clears the box
            QTest::keyClicks(amount, text);
        } else if (auto *edit = control<QLineEdit>(form, column)) {
            edit->setFocus();
            edit->selectAll();
            TypeText(edit, text);
        } else if (auto *memo = control<QPlainTextEdit>(form, column)) {
            memo->setFocus();
            TypeText(memo, text);
        } else if (auto *list = control<QComboBox>(form, column)) {
            const int index = list->findText(text);
            QVERIFY2(index >= 0, qPrintable(column + QLatin1Char(' ') + text));
            // A choice in the list, as the box tells it.
            list->setCurrentIndex(index);
            Q_EMIT list->activated(index);
            Q_EMIT list->textActivated(list->itemText(index));
        } else if (auto *date = control<NullableDateEdit>(form, column)) {
            date->setDateOrNull(QDate::fromString(text, Qt::ISODate));
            Q_EMIT date->userChanged();
        } else if (auto *spaced = control<TtavCurrencyLabel>(form, column)) {
            // A press on the cells lays an edit over them; Enter ends it.
            QTest::mouseClick(spaced, Qt::LeftButton);
            QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
            auto *over = qobject_cast<QLineEdit *>(QApplication::focusWidget());
            TypeText(over, text);
            QTest::keyClick(over, Qt::Key_Return);
        } else {
            QFAIL(qPrintable(QStringLiteral("no control for ") + column));
        }
    }

    // The texts the format prints for the saved bill, and where (millimetres on paper).
    QList<PrintedField> printedFields(const QString &refNo, const QString &table, const QString &detailTable, qint64 id,
                                      double dpi)
    {
        const auto mm = [dpi](int px) { return px * kMmPerInch / dpi; };
        QList<PrintedField> fields;
        const QStringList rows = SqliteShellRows(m_folder->databasePath(), QStringLiteral(
            "select CtlCName, DbFieldName, FieldEditType, Ctlx, CtlY, CtlW, CtlH, ParentId, coalesce(GridLineNum, 1)"
            " from p_NoteCntlList where RefNo = '%1' and NeedPrint = '是' and Ctlx is not null order by autoid").arg(refNo));
        for (const QString &row : rows) {
            const QStringList f = row.split(QLatin1Char('|'));
            const QString kind = f.at(2);
            const QRectF rect(mm(f.at(3).toInt()), mm(f.at(4).toInt()), mm(f.at(5).toInt()), mm(f.at(6).toInt()));
            if (kind == QStringLiteral("表格") || kind == QStringLiteral("一般文本"))
                continue;
            if (f.at(7) != QStringLiteral("0")) {
                // A grid column: its first line, at the grid's first row.
                const QStringList grid = SqliteShellRows(m_folder->databasePath(), QStringLiteral(
                    "select CtlY, CtlH, coalesce(GridLineNum, 1) from p_NoteCntlList where RefNo = '%1' and Tag = %2")
                    .arg(refNo, f.at(7))).first().split(QLatin1Char('|'));
                const double top = mm(grid.at(0).toInt());
                const double rowHeight = mm(grid.at(1).toInt() / grid.at(2).toInt());
                const QString value = stored(QStringLiteral("select coalesce(\"%1\", '') from \"%2\" where Refno ="
                                                            " (select RefNo from \"%3\" where id = %4) order by id limit 1")
                                                 .arg(f.at(1), detailTable, table).arg(id));
                fields.append({f.at(0), QRectF(rect.left(), top, rect.width(), rowHeight), value});
                continue;
            }
            fields.append({f.at(0), rect, storedColumn(table, f.at(1), id), kind == QStringLiteral("小写金额")});
        }
        return fields;
    }

    // With QUILLET_SCREENSHOT_DIR set, the main window is saved there as a picture to look at.
    void screenshot(const QString &name)
    {
        const QString folder = qEnvironmentVariable("QUILLET_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            m_window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }

    static bool sameText(const QString &printed, const QString &expected)
    {
        QString a = printed, b = expected;
        a.remove(QRegularExpression(QStringLiteral("\\s")));
        b.remove(QRegularExpression(QStringLiteral("\\s")));
        if (a == b)
            return true;
        // Amounts and numbers print in their display form ("201.00" for 201).
        bool printedNumber = false, storedNumber = false;
        const double x = a.remove(QLatin1Char(',')).toDouble(&printedNumber);
        const double y = b.toDouble(&storedNumber);
        if (printedNumber && storedNumber)
            return qFuzzyCompare(x + 1, y + 1);
        // Dates print in the display form of a date.
        const QDate date = QDate::fromString(b.left(10), Qt::ISODate);
        return date.isValid() && onlyDigits(a).toInt() > 0
               && (onlyDigits(a) == date.toString(QStringLiteral("yyyyMMdd")) || onlyDigits(a) == date.toString(QStringLiteral("yyyyMd")));
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        // The pictures and icons beside the shipped database.
        for (const QString &folder : {QStringLiteral("images"), QStringLiteral("icons")}) {
            const QDir shipped(BuiltProgramFolder() + QLatin1Char('/') + folder);
            for (const QString &file : shipped.entryList(QDir::Files))
                QFile::copy(shipped.filePath(file), m_folder->file(folder + QLatin1Char('/') + file));
        }
        m_folder->openDatabase();
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, PartSpec, Unit, Price) values"
                                            " ('P1', '六角螺栓', 'M8x40', '盒', 12.5)"));
        m_messages = std::make_unique<MessageScript>();
        sCurUserId = QStringLiteral("admin");
        m_window = std::make_unique<TM1Form>();
        m_window->moduleLoader().setFolder(BuiltProgramFolder());
        m_window->resize(1280, 900);
        m_window->show();
        QTRY_VERIFY2(mainPage(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        m_messages->clear();
    }
    void cleanup()
    {
        PrinterSetupSeam::setAnswer({});
        if (TEditNoteForm *form = m_window ? billForm() : nullptr) {
            if (form->header()->isEditing())
                form->header()->cancel();
        }
        m_window.reset();
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        m_messages.reset();
        m_folder.reset();
        iCurOpenAutoid = 0;
    }

    // On a fresh install every tab shows its kind's icons; 常用单据 shows every kind.
    void everyTabShowsItsIcons()
    {
        QWidget *page = mainPage();
        const QStringList tabs = SqliteShellRows(m_folder->databasePath(), QStringLiteral("select Caption from s_uiTab order by SeqNo"));
        QCOMPARE(tabs.size(), 9);
        for (const QString &tab : tabs) {
            for (QWidget *child : page->findChildren<QWidget *>())
                if (QLatin1String(child->metaObject()->className()) == QLatin1String("TabButton") && child->toolTip() == tab)
                    QTest::mouseClick(child, Qt::LeftButton);
            auto *icons = page->findChild<QListWidget *>(QStringLiteral("ListView1"));
            QStringList captions;
            for (int row = 0; row < icons->count(); ++row) {
                QVERIFY(!icons->item(row)->icon().isNull());
                captions.append(icons->item(row)->text().section(QLatin1Char('\n'), 0, 0).trimmed());
            }
            if (tab == QStringLiteral("常用单据"))
                QCOMPARE(captions.size(), 8);
            else
                QCOMPARE(captions, QStringList{tab});
            screenshot(QStringLiteral("mainpage-") + tab);
        }
    }

    // The top bar's kind buttons open each kind's shipped default.
    void quickButtonsOpenTheDefaults()
    {
        for (const QString &kind : {QStringLiteral("快递单"), QStringLiteral("支票"), QStringLiteral("进账单"), QStringLiteral("电汇单"),
                                    QStringLiteral("送货单")}) {
            QWidget *button = nullptr;
            for (QWidget *child : mainPage()->findChildren<QWidget *>())
                if (QLatin1String(child->metaObject()->className()) == QLatin1String("TopBarButton") && child->toolTip() == kind)
                    button = child;
            QVERIFY2(button, qPrintable(kind));
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
            TEditNoteForm *form = billForm();
            QVERIFY2(form, qPrintable(kind));
            QCOMPARE(form->baseKind(), kind);
            QPointer<QWidget> frame = form->parentWidget();
            QVERIFY(frame->close());
            QTRY_VERIFY(!frame);
        }
    }

    void filledSavedReopenedPrinted_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QList<Line>>("lines");
        QTest::addColumn<QString>("amountColumn");
        QTest::addColumn<QString>("capitals");

        const Entries transfer{{"付款日期", "2026-03-05"},     {"付款人名称", "华东建材有限公司"}, {"付款账户", "6222020200112233"},
                               {"付款银行", "中国工商银行上海分行"}, {"收款人名称", "南方五金商行"},   {"收款账户", "4367421234567890"},
                               {"收款银行", "中国建设银行广州支行"}, {"金额", "12345.67"}};
        QTest::newRow("支票") << "支票"
                            << Entries{{"付款日期", "2026-03-05"}, {"单据号码", "10203040"}, {"付款银行", "中国工商银行上海分行"},
                                       {"收款人名称", "南方五金商行"}, {"付款账户", "6222020200112233"}, {"金额", "12345.67"},
                                       {"用途", "货款"}, {"支付密码", "4821"}}
                            << QList<Line>{} << "金额" << "壹万贰仟叁佰肆拾伍元陆角柒分";
        QTest::newRow("进账单") << "进账单" << (Entries(transfer) << qMakePair(QStringLiteral("单据号码"), QStringLiteral("10203040")))
                              << QList<Line>{} << "金额" << "壹万贰仟叁佰肆拾伍元陆角柒分";
        QTest::newRow("电汇单") << "电汇单"
                              << (Entries(transfer) << qMakePair(QStringLiteral("用途"), QStringLiteral("货款"))
                                                    << qMakePair(QStringLiteral("付款人省"), QStringLiteral("上海市"))
                                                    << qMakePair(QStringLiteral("付款人市"), QStringLiteral("上海市"))
                                                    << qMakePair(QStringLiteral("收款人省"), QStringLiteral("广东省"))
                                                    << qMakePair(QStringLiteral("收款人市"), QStringLiteral("广州市")))
                              << QList<Line>{} << "金额" << "壹万贰仟叁佰肆拾伍元陆角柒分";
        QTest::newRow("现金缴款单") << "现金缴款单"
                                  << Entries{{"缴款日期", "2026-03-05"}, {"收款人名称", "南方五金商行"}, {"收款账户", "4367421234567890"},
                                             {"缴款人名称", "王小明"}, {"收款银行", "中国建设银行广州支行"}, {"款项来源", "销售收入"},
                                             {"数量100", "3"}, {"数量10", "2"}, {"数量1角", "5"}}
                                  << QList<Line>{} << "金额" << "叁佰贰拾元伍角";
        QTest::newRow("托收凭证") << "托收凭证" << (Entries(transfer) << qMakePair(QStringLiteral("单据号码"), QStringLiteral("HT-2026-018"))
                                                              << qMakePair(QStringLiteral("用途"), QStringLiteral("货款")))
                                << QList<Line>{} << "金额" << "壹万贰仟叁佰肆拾伍元陆角柒分";
        QTest::newRow("快递单") << "快递单"
                              << Entries{{"寄件日期", "2026-03-05"}, {"寄件人名称", "华东建材有限公司"}, {"寄件人联系人", "李华"},
                                         {"寄件人地址", "上海市浦东新区世纪大道100号"}, {"寄件省", "上海市"}, {"寄件市", "上海市"},
                                         {"寄件人电话", "021-58881234"}, {"寄件手机", "13800001111"}, {"寄件人邮编", "200120"},
                                         {"收件人名称", "南方五金商行"}, {"收件人联系人", "陈明"}, {"收件人地址", "广州市天河区体育西路8号"},
                                         {"收件省", "广东省"}, {"收件市", "广州市"}, {"收件区", "天河区"}, {"收件手机", "13900002222"},
                                         {"货品名称", "五金配件"}, {"件数", "2"}, {"代收货款", "1280.5"}}
                              << QList<Line>{} << "代收货款" << "壹仟贰佰捌拾元伍角";
        QTest::newRow("送货单") << "送货单"
                              << Entries{{"出货日期", "2026-03-05"}, {"收货单位", "南方五金商行"}, {"地址", "广州市天河区体育西路8号"},
                                         {"电话", "020-38881234"}}
                              << QList<Line>{{"P1", "16", "12.5", "一号库"}} << "合计金额" << "贰佰元整";
        QTest::newRow("进仓单") << "进仓单" << Entries{{"日期", "2026-03-05"}, {"供货单位", "华东建材有限公司"}}
                              << QList<Line>{{"P1", "16", "12.5", "一号库"}} << "合计金额" << "贰佰元整";
    }
    void filledSavedReopenedPrinted()
    {
        QFETCH(QString, kind);
        QFETCH(Entries, entries);
        QFETCH(QList<Line>, lines);
        QFETCH(QString, amountColumn);
        QFETCH(QString, capitals);

        // The icon opens the kind's default format over its picture, with a control per field.
        TEditNoteForm *opened = openFromMainPage(kind);
        QVERIFY2(opened, qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        TEditNoteForm &form = *opened;
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QCOMPARE(form.baseKind(), kind);
        const QString refNo = stored(QStringLiteral("select RefNo from p_NoteList where NoteType = '%1' and DefNote = 1").arg(kind));
        const QString table = form.format().dataTableName;
        const QString picture = m_folder->file(QStringLiteral("images/") + stored(QStringLiteral("select ImgFile from p_NoteList where RefNo = '%1'").arg(refNo)));
        const QImage image(picture);
        QVERIFY(!image.isNull());
        QCOMPARE(form.page()->size(), image.size());
        const QStringList shownColumns = SqliteShellRows(m_folder->databasePath(), QStringLiteral(
            "select DbFieldName from p_NoteCntlList where RefNo = '%1' and ParentId = 0 and NeedShow = '是'"
            " and FieldEditType not in ('表格', '一般文本')").arg(refNo));
        for (const QString &column : shownColumns) {
            QWidget *entry = control<QWidget>(form, column);
            QVERIFY2(entry, qPrintable(column));
            QVERIFY2(!entry->styleSheet().contains(QStringLiteral("#FF0000")), qPrintable(column));  // bound
        }
        QCOMPARE(form.gridCount(), lines.isEmpty() ? 0 : 1);

        // A new bill, typed in.
        form.BtnNew->click();
        QVERIFY(form.header()->isEditing());
        for (const auto &[column, text] : entries)
            typeInto(form, column, text);
        if (QTest::currentTestFailed())
            return;
        for (const Line &line : lines) {
            DataSet *detail = form.detailQuery(0);
            QVERIFY(detail->append());
            detail->fieldByName(QStringLiteral("产品编号"))->setValue(line.code);
            detail->fieldByName(QStringLiteral("品名"))->setValue(QStringLiteral("六角螺栓"));
            detail->fieldByName(QStringLiteral("数量"))->setValue(line.quantity);
            detail->fieldByName(QStringLiteral("单价"))->setValue(line.price);
            detail->fieldByName(QStringLiteral("仓库"))->setValue(line.warehouse);
            QVERIFY(detail->post());
        }
        screenshot(QStringLiteral("bill-") + kind);
        form.BtnSave->click();
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QVERIFY(!form.header()->isEditing());
        const qint64 id = form.header()->fieldByName(QStringLiteral("id"))->asInteger();
        for (const auto &[column, text] : entries) {
            const QString value = storedColumn(table, column, id);
            QVERIFY2(sameText(value, text), qPrintable(column + QStringLiteral(": ") + value));
        }
        QCOMPARE(storedColumn(table, amountColumn + QStringLiteral("_金额大写"), id), capitals);
        const QString row = stored(QStringLiteral("select * from \"%1\" where id = %2").arg(table).arg(id));

        // Reopened from the history query: the same values, the row untouched.
        QPointer<QWidget> closed = form.parentWidget();
        QVERIFY(closed->close());
        QTRY_VERIFY(!closed);
        m_window->OpenMenuForm(20055, PackRefNoParam(refNo.toLongLong()));
        QMdiSubWindow *history = m_window->mdiArea()->activeSubWindow();
        QVERIFY(history);
        auto *grid = history->widget()->findChild<DataGrid *>(QStringLiteral("DBGrid1"));
        QVERIFY(grid);
        QCOMPARE(grid->model()->rowCount(), 1);
        DoubleClickCell(grid, grid->model()->index(0, 0));
        TEditNoteForm *reopened = billForm();
        QVERIFY2(reopened, qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QCOMPARE(reopened->header()->fieldByName(QStringLiteral("id"))->asInteger(), id);
        for (const auto &[column, text] : entries)
            QVERIFY2(sameText(reopened->header()->fieldByName(column)->asString(), text), qPrintable(column));
        if (!lines.isEmpty())
            QCOMPARE(reopened->detailQuery(0)->recordCount(), lines.size());
        QCOMPARE(stored(QStringLiteral("select * from \"%1\" where id = %2").arg(table).arg(id)), row);

        // 套打 on paper of the form's size: the values only, each at its field's place.
        const double dpi = stored(QStringLiteral("select xDpi from p_NoteList where RefNo = '%1'").arg(refNo)).toDouble();
        const QSizeF paper(image.width() * kMmPerInch / dpi, image.height() * kMmPerInch / dpi);
        QTemporaryDir output;
        const QString pdf = output.filePath(QStringLiteral("bill.pdf"));
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        // Whatever paper the printer had before (another program's, the last report's).
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10)));
        {
            // The printer set-up dialog shows first and is accepted as it shows.
            int asked = 0;
            PrinterSetupSeam::setAnswer([&](QPrintDialog &dialog) {
                ++asked;
                PrinterSetupSeam::acceptAsShown(dialog);
            });
            reopened->BtnPrint->click();
            PrinterSetupSeam::setAnswer({});
            QCOMPARE(asked, 1);
        }
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QVERIFY(QFile::exists(pdf));
        // The page is the form's paper as the form lies, unturned.
        const QList<PdfInfoPage> sheets = PdfInfoPages(pdf);
        QCOMPARE(sheets.size(), 1);
        QCOMPARE(sheets.first().rotation, 0);
        QVERIFY2(std::abs(sheets.first().mm.width() - paper.width()) < 0.5 && std::abs(sheets.first().mm.height() - paper.height()) < 0.5,
                 qPrintable(QStringLiteral("%1 x %2 mm for %3 x %4 mm").arg(sheets.first().mm.width()).arg(sheets.first().mm.height())
                                .arg(paper.width()).arg(paper.height())));
        if (!qEnvironmentVariableIsEmpty("QUILLET_SCREENSHOT_DIR"))
            QFile::copy(pdf, QDir(qEnvironmentVariable("QUILLET_SCREENSHOT_DIR")).filePath(QStringLiteral("print-") + kind + QStringLiteral(".pdf")));
        QCOMPARE(runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).output.count('\n'), 2);  // no picture

        const QList<QSizeF> pages = PdfPageSizes(pdf);
        QVERIFY(!pages.isEmpty());
        const QList<PdfWord> words = PdfWords(pdf);
        QVERIFY(!words.isEmpty());
        const QString detailTable = stored(QStringLiteral("select DtlTableName from s_PrintType where PrintName = '%1'").arg(kind));
        const QList<PrintedField> fields = printedFields(refNo, table, detailTable, id, dpi);
        for (const PdfWord &word : words) {
            QVERIFY2(QRectF(QPointF(0, 0), pages.first()).contains(word.mm), qPrintable(word.text));
            bool placed = false;
            for (const PrintedField &field : fields)
                placed |= inside(field.mm, word.mm);
            QVERIFY2(placed, qPrintable(QStringLiteral("%1 at %2,%3 mm").arg(word.text).arg(word.mm.x()).arg(word.mm.y())));
        }
        for (const PrintedField &field : fields) {
            QStringList printed;
            for (const PdfWord &word : words)
                if (inside(field.mm, word.mm))
                    printed.append(word.text);
            const QString text = printed.join(QString());
            if (field.digitsOnly) {
                const QString fen = QString::number(qRound64(field.expected.toDouble() * 100));
                QVERIFY2(onlyDigits(text) == fen, qPrintable(field.caption + QStringLiteral(": ") + text));
            } else if (!field.expected.isEmpty()) {
                QVERIFY2(sameText(text, field.expected), qPrintable(field.caption + QStringLiteral(": ") + text + QStringLiteral(" / ") + field.expected));
            }
        }
    }

    // The capitals and boxes of an amount follow it as it changes.
    void amountTextsFollowTheAmount_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("firstCapitals");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("secondCapitals");
        for (const char *kind : {"支票", "进账单", "电汇单", "现金缴款单", "托收凭证"})
            QTest::newRow(kind) << kind << "金额" << "1009.05" << "壹仟零玖元零伍分" << "30000000" << "叁仟万元整";
        QTest::newRow("快递单") << "快递单" << "代收货款" << "1009.05" << "壹仟零玖元零伍分" << "60.1" << "陆拾元壹角";
    }
    void amountTextsFollowTheAmount()
    {
        QFETCH(QString, kind);
        QFETCH(QString, column);
        QFETCH(QString, first);
        QFETCH(QString, firstCapitals);
        QFETCH(QString, second);
        QFETCH(QString, secondCapitals);
        TEditNoteForm *opened = openFromMainPage(kind);
        QVERIFY(opened);
        TEditNoteForm &form = *opened;
        form.BtnNew->click();
        for (const auto &[amount, capitals] : {qMakePair(first, firstCapitals), qMakePair(second, secondCapitals)}) {
            typeInto(form, column, amount);
            QCOMPARE(form.header()->fieldByName(CapitalAmountColumn(column))->asString(), capitals);
            if (QLabel *shown = control<QLabel>(form, CapitalAmountColumn(column)))
                QCOMPARE(shown->text(), capitals);
            if (!form.header()->findField(SmallPlaceColumn(column, MONEY_FIELDNAME_CH[0])))
                continue;
            // One digit per box from 分 up, the currency sign in the box above the highest digit.
            const QString fen = QString::number(qRound64(amount.toDouble() * 100));
            for (int place = 0; place <= fen.size() && place < int(MONEY_FIELDNAME_CH.size()); ++place) {
                const QString expected = place < fen.size() ? QString(fen.at(fen.size() - 1 - place)) : QStringLiteral("\uFFE5");
                QCOMPARE(form.header()->fieldByName(SmallPlaceColumn(column, MONEY_FIELDNAME_CH[place]))->asString(), expected);
            }
            if (auto *box = control<TtavDBCurrencyEdit>(form, column))
                QVERIFY(qFuzzyCompare(double(box->Value()), amount.toDouble()));
        }
        form.header()->cancel();
    }
};

QTEST_MAIN(TestBuiltinKinds)
#include "tst_builtinkinds.moc"
