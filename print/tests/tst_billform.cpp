#include "BuiltFolders.h"
#include "LoaderWindow.h"
#include "MessageScript.h"
#include "SqliteShell.h"
#include "TemporaryHome.h"
#include "TestProgramFolder.h"

#include "bills/form/TEditNoteForm.h"
#include "bills/pickers/TPickDataForm.h"
#include "bills/printing/FormatPaper.h"
#include "helpers/UserInput.h"
#include "core/convert/AmountRangeError.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "ExternalTool.h"
#include "PdfWords.h"
#include "core/messages/MessageNames.h"
#include "core/messages/RefNoParam.h"
#include "core/messages/WindowHandles.h"
#include "gui/printfun/CurrentPrinter.h"
#include "core/messages/WindowMessages.h"
#include "gui/dataaware/NullableDateEdit.h"
#include "gui/grid/DataGrid.h"
#include "mainwindow/TM1Form.h"
#include "tav/TtavCurrencyLabel.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QComboBox>
#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const qint64 kChequeRefNo = 1001;

// A control of the surface by the field it stands for and its class.
template <class Control>
Control *control(TEditNoteForm &form, const QString &field)
{
    for (Control *candidate : form.page()->findChildren<Control *>(Qt::FindDirectChildrenOnly))
        if (candidate->property("dbFieldName").toString() == field)
            return candidate;
    return nullptr;
}

void click(QPushButton *button)
{
    QVERIFY2(button->isVisibleTo(button->window()) && button->isEnabled(), qPrintable(button->text()));
    button->click();
}

} // namespace

// The bill form opened by the main window as a user opens it: the shipped cheque format, typed
// into, saved, audited, voided; and the stock booking of delivery notes.
class TestBillForm : public QObject
{
    Q_OBJECT

private:
    TemporaryHome m_home;  // the main window writes shortcuts: never into the real home
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<MessageScript> m_messages;
    std::unique_ptr<TM1Form> m_window;

    QString stored(const QString &sql) { return SqliteShellRows(m_folder->databasePath(), sql).join(QLatin1Char('\n')); }

    // Opens the format through the menu id of the bill form, as the main page does.
    TEditNoteForm &openFormat(qint64 refNo, qint64 billId = 0)
    {
        iCurOpenAutoid = billId;
        m_window->OpenMenuForm(20045, PackRefNoParam(refNo));
        for (QMdiSubWindow *sub : m_window->mdiArea()->subWindowList())
            if (QString::fromLatin1(sub->widget()->metaObject()->className()) == QLatin1String("TEditNoteForm"))
                // The module's copy of the class: the same code and layout as the one linked here.
                return *static_cast<TEditNoteForm *>(sub->widget());
        qFatal("the bill form did not open: %s", qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
    }

    QString headerText(TEditNoteForm &form, const QString &field)
    {
        return form.header()->fieldByName(field)->asString();
    }


    // A saved cheque with an amount, and the form showing it.
    TEditNoteForm &savedCheque(const QString &amount = QStringLiteral("88"))
    {
        TEditNoteForm &form = openFormat(kChequeRefNo);
        form.BtnNew->click();
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(amount);
        form.header()->fieldByName(QStringLiteral("收款人名称"))->setValue(QStringLiteral("华东建材有限公司"));
        form.BtnSave->click();
        if (form.header()->isEditing())
            qFatal("the cheque was not saved: %s", qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        return form;
    }


    // A delivery-note format with one header field and a detail grid whose amounts sum into the
    // header; the goods list knows P1 only; P1 has 10 in stock at 一号库.
    qint64 deliveryNoteFormat()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename, \"default\", DefNote)"
                                            " values ('2001', '测试送货单', '测试送货单', '送货单', '出货单', '是', 1)"));
        const QString field = QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType,"
                                             " Ctlx, CtlY, CtlW, CtlH, NeedShow, SumField, GridTitleH, GridLineNum)"
                                             " values ('2001', ?, ?, ?, ?, ?, ?, 40, ?, 22, '是', ?, 20, 4)");
        ExecTmpQuery(CurAdo, field, {1000, 0, QStringLiteral("收货单位"), QStringLiteral("收货单位"), QStringLiteral("编辑器"), 10, 200, QString()});
        ExecTmpQuery(CurAdo, field, {500, 0, QStringLiteral("明细"), QStringLiteral("出货单明细"), QStringLiteral("表格"), 220, 400, QString()});
        int x = 0;
        for (const QString &column : {QStringLiteral("产品编号"), QStringLiteral("数量"), QStringLiteral("仓库"), QStringLiteral("小计")})
            ExecTmpQuery(CurAdo, field, {1001 + x, 500, column, column, QStringLiteral("编辑器"), x++, 100,
                                         column == QStringLiteral("小计") ? QStringLiteral("合计金额") : QString()});
        ExecTmpQuery(CurAdo, QStringLiteral("create table if not exists Bs_ProdList (autoid INTEGER PRIMARY KEY AUTOINCREMENT,"
                                            " PartNo TEXT, PartName TEXT, PartSpec TEXT, Unit TEXT)"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, PartSpec, Unit) values ('P1', '螺丝', 'M6', '盒')"));
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 商品库存 (产品编号, 品名, 规格, 单位, 数量, 仓库) values ('P1', '螺丝', 'M6', '盒', 10, '一号库')"));
        return 2001;
    }

    void addLine(TEditNoteForm &form, const QString &code, double quantity, const QString &warehouse, const QString &amount)
    {
        DataSet *lines = form.detailQuery(0);
        QVERIFY(lines->append());
        lines->fieldByName(QStringLiteral("产品编号"))->setValue(code);
        lines->fieldByName(QStringLiteral("数量"))->setValue(quantity);
        lines->fieldByName(QStringLiteral("仓库"))->setValue(warehouse);
        lines->fieldByName(QStringLiteral("小计"))->setValue(amount);
        QVERIFY(lines->post());
    }


    // A format over the bank-transfer table with one field of each kind (grids are the delivery
    // note's), a field whose column the table lacks, and one that is not shown.
    qint64 everyKindFormat()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteList (RefNo, NoteName, NoteNameType, NoteType, DataTablename)"
                                            " values ('3001', '全部控件', '电汇单', '电汇单', '银行转帐单')"));
        const QString field = QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType,"
                                             " Ctlx, CtlY, CtlW, CtlH, NeedShow, MultiLine, DropDownName, DropRelComp, DigitalCount, FitParam,"
                                             " PickListName, pickSetFields)"
                                             " values ('3001', ?, 0, ?, ?, ?, ?, ?, 120, 24, ?, ?, ?, ?, ?, ?, ?, ?)");
        struct Row
        {
            QString caption, column, kind;
            QString show = QStringLiteral("是");
            QString multiLine{}, dropDown{}, related{};
            QVariant cells{}, decimals{};
            QString picker{}, targets{};
        };
        const QList<Row> rows{
            {QStringLiteral("用途"), QStringLiteral("用途"), QStringLiteral("编辑器")},
            {QStringLiteral("收款人"), QStringLiteral("收款人名称"), QStringLiteral("选择器"), QStringLiteral("是"), {}, {}, {}, {}, {},
             QStringLiteral("选择产品"), QStringLiteral("用途, 收款人名称,没有的列")},
            {QStringLiteral("省"), QStringLiteral("付款人省"), QStringLiteral("下拉选择"), QStringLiteral("是"), {}, QStringLiteral("省"), QStringLiteral("付款人市")},
            {QStringLiteral("市"), QStringLiteral("付款人市"), QStringLiteral("下拉选择"), QStringLiteral("是"), {}, QStringLiteral("市")},
            {QStringLiteral("日期"), QStringLiteral("付款日期"), QStringLiteral("日期编辑")},
            {QStringLiteral("付款人"), QStringLiteral("付款人名称"), QStringLiteral("多行文本")},
            {QStringLiteral("大写"), QStringLiteral("金额_金额大写"), QStringLiteral("文本显示")},
            {QStringLiteral("说明"), QString(), QStringLiteral("一般文本")},
            {QStringLiteral("币别"), QStringLiteral("币别"), QStringLiteral("复选框")},
            {QStringLiteral("号码"), QStringLiteral("单据号码"), QStringLiteral("勾选框")},
            {QStringLiteral("金额"), QStringLiteral("金额"), QStringLiteral("小写金额"), QStringLiteral("是"), QStringLiteral("是"), {}, {}, 4, 2},
            {QStringLiteral("密码"), QStringLiteral("支付密码"), QStringLiteral("等距字符串"), QStringLiteral("是"), {}, {}, {}, 6, 0},
            {QStringLiteral("工行"), QStringLiteral("收款银行"), QStringLiteral("多项勾选")},
            {QStringLiteral("农行"), QStringLiteral("收款银行"), QStringLiteral("多项勾选")},
            {QStringLiteral("3"), QStringLiteral("printcount"), QStringLiteral("多项勾选2")},
            {QStringLiteral("缺列"), QStringLiteral("没有的列"), QStringLiteral("编辑器")},
            {QStringLiteral("隐藏"), QStringLiteral("收款账户"), QStringLiteral("编辑器"), QStringLiteral("否")},
        };
        int tag = 1000;
        for (const Row &row : rows) {
            ExecTmpQuery(CurAdo, field, {tag, row.caption, row.column, row.kind, 10 + (tag - 1000) * 130 % 780,
                                         30 + (tag - 1000) / 6 * 40, row.show, row.multiLine.isEmpty() ? QStringLiteral("否") : row.multiLine,
                                         row.dropDown, row.related, row.cells, row.decimals, row.picker, row.targets});
            ++tag;
        }
        return 3001;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestProgramFolder>();
        m_folder->openDatabase();
        QFile::copy(BuiltProgramFolder() + QStringLiteral("/images/cheque.jpg"),
                    m_folder->file(QStringLiteral("images/cheque.jpg")));
        m_messages = std::make_unique<MessageScript>();
        sCurUserId = QStringLiteral("admin");
        m_window = std::make_unique<TM1Form>();
        ShowLoaderWindow(*m_window);
        m_messages->clear();
    }
    void cleanup()
    {
        for (QMdiSubWindow *sub : m_window->mdiArea()->subWindowList()) {
            auto *form = static_cast<TEditNoteForm *>(sub->widget());
            if (QString::fromLatin1(form->metaObject()->className()) == QLatin1String("TEditNoteForm") && form->header()->isEditing())
                form->header()->cancel();
        }
        m_window.reset();
        m_messages.reset();
        m_folder.reset();
        iCurOpenAutoid = 0;
    }

    void chequeOpensOverItsPicture()
    {
        TEditNoteForm &form = openFormat(kChequeRefNo);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QCOMPARE(form.format().noteName, QStringLiteral("支票"));
        QCOMPARE(form.format().dataTableName, QStringLiteral("银行转帐单"));
        QCOMPARE(form.baseKind(), QStringLiteral("支票"));
        QCOMPARE(form.page()->size(), QSize(907, 302));
        QCOMPARE(form.NoteTypeComboBox->currentText(), QStringLiteral("支票"));
        QCOMPARE(form.NoteListComboBox->currentText(), QStringLiteral("支票"));
        QCOMPARE(form.ConvertButton->text(), QStringLiteral("转进账单"));

        TtavDBCurrencyEdit *amount = control<TtavDBCurrencyEdit>(form, QStringLiteral("金额"));
        QVERIFY(amount);
        QCOMPARE(amount->geometry(), QRect(641, 141, 249, 33));
        QCOMPARE(amount->DigitalNumber(), 11);
        QCOMPARE(amount->DecimalNumber(), 2);
        QVERIFY(control<QLabel>(form, QStringLiteral("金额_金额大写")));
        QCOMPARE(control<TtavCurrencyLabel>(form, QStringLiteral("支付密码"))->DigitalNumber(), 16);
        QVERIFY(control<QLineEdit>(form, QStringLiteral("收款人名称")));
        // No bill yet: an empty header, only 新增 and the browse commands.
        QVERIFY(form.header()->isActive());
        QVERIFY(form.header()->isEmpty());
        QVERIFY(form.BtnNew->isEnabled());
        QVERIFY(!form.BtnSave->isEnabled());
        QVERIFY(!form.BtnEdit->isEnabled());
        QVERIFY(!form.PostButton->isEnabled());
    }

    void typedAmountFillsCapitalsAndBoxes()
    {
        TEditNoteForm &form = openFormat(kChequeRefNo);
        click(form.BtnNew);
        QCOMPARE(form.header()->state(), DataSet::State::Insert);
        QCOMPARE(headerText(form, QStringLiteral("RefNo")), QStringLiteral("10001"));
        QCOMPARE(headerText(form, QStringLiteral("币别")), QStringLiteral("人民币"));

        TtavDBCurrencyEdit *amount = control<TtavDBCurrencyEdit>(form, QStringLiteral("金额"));
        QApplication::setActiveWindow(m_window.get());
        amount->setFocus();
        QTRY_VERIFY(amount->hasFocus());
        QTest::keyClicks(amount, QStringLiteral("1234"));
        QCOMPARE(headerText(form, QStringLiteral("金额_金额大写")), QStringLiteral("壹仟贰佰叁拾肆元整"));
        QTest::keyClicks(amount, QStringLiteral(".50"));
        QCOMPARE(headerText(form, QStringLiteral("金额_金额大写")), QStringLiteral("壹仟贰佰叁拾肆元伍角"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("金额_金额大写"))->text(), QStringLiteral("壹仟贰佰叁拾肆元伍角"));

        click(form.BtnSave);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        QCOMPARE(form.header()->state(), DataSet::State::Browse);
        QCOMPARE(stored(QStringLiteral("select RefNo, NoteName, Flag, 金额, 金额_金额大写 from 银行转帐单")),
                 QStringLiteral("10001|支票|-1|1234.5|壹仟贰佰叁拾肆元伍角"));
        QCOMPARE(stored(QStringLiteral("select 金额_小写千位, 金额_小写百位, 金额_小写十位, 金额_小写元, 金额_小写角, 金额_小写分,"
                                       " 金额_小写万位 from 银行转帐单")),
                 QStringLiteral("1|2|3|4|5|0|￥"));
    }

    void everyNewBillTakesAFreshNumber()
    {
        TEditNoteForm &form = openFormat(kChequeRefNo);
        click(form.BtnNew);
        QCOMPARE(headerText(form, QStringLiteral("RefNo")), QStringLiteral("10001"));
        QCOMPARE(headerText(form, QStringLiteral("NoteTypeName")), QStringLiteral("支票"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("付款日期"))->asDate(), QDate::currentDate());
        // Today's date is already written in capitals, digit by digit for the year.
        const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
        QString year;
        for (const QChar digit : QString::number(QDate::currentDate().year()))
            year.append(digits.at(digit.digitValue()));
        QCOMPARE(headerText(form, QStringLiteral("付款日期_大写年")), year);
        QVERIFY(!form.BtnNew->isEnabled());
        QVERIFY(form.BtnSave->isEnabled() && form.BtnCancel->isEnabled());
        click(form.BtnCancel);
        QCOMPARE(m_messages->lastText(), QStringLiteral("是否取消当前的修改?"));
        QCOMPARE(form.header()->state(), DataSet::State::Browse);
        click(form.BtnNew);
        QCOMPARE(headerText(form, QStringLiteral("RefNo")), QStringLiteral("10002"));
        QCOMPARE(stored(QStringLiteral("select SysNoteId from Bs_SysSet")), QStringLiteral("10002"));
    }

    void zeroAmountIsNotSavedAndEditingKeepsTheFormOpen()
    {
        TEditNoteForm &form = openFormat(kChequeRefNo);
        click(form.BtnNew);
        click(form.BtnSave);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("金额不能为空")});
        QCOMPARE(form.header()->state(), DataSet::State::Insert);
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("0"));

        QVERIFY(!form.parentWidget()->close());
        QCOMPARE(m_messages->lastText(), QStringLiteral("编辑状态下不能直接关闭窗口，请先取消操作或保存操作后再关闭"));
        QVERIFY(form.isVisible());

        // A negative amount has no bank texts (capitals, one digit per box): it is refused at
        // 保存 with the reason, in one box.
        QVERIFY_THROWS_EXCEPTION(AmountRangeError, form.header()->fieldByName(QStringLiteral("金额"))->setValue(-5));
        m_messages->clear();
        click(form.BtnSave);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("金额不能为负数")});
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("0"));
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(5);
        m_messages->clear();
        click(form.BtnSave);
        QVERIFY(m_messages->shown().isEmpty());
        QCOMPARE(stored(QStringLiteral("select 金额 from 银行转帐单")), QStringLiteral("5"));
        QVERIFY(form.parentWidget()->close());
    }

    void auditedChequeRefusesEditsUntilRechecked()
    {
        TEditNoteForm &form = savedCheque();
        QVERIFY(form.BtnEdit->isEnabled() && form.BtnDel->isEnabled() && !form.RecheckButton->isEnabled());
        QVERIFY(form.DisButton->isVisible() && !form.DisButton->isEnabled());
        click(form.PostButton);
        QCOMPARE(stored(QStringLiteral("select Flag from 银行转帐单")), QStringLiteral("1"));
        QVERIFY(form.PostImage->isVisible());
        QVERIFY(!form.BtnEdit->isEnabled() && !form.BtnDel->isEnabled() && !form.PostButton->isEnabled());
        QVERIFY(form.RecheckButton->isEnabled() && form.DisButton->isEnabled());

        // Typing into a field is refused as the 修改 button would be.
        QLineEdit *payee = control<QLineEdit>(form, QStringLiteral("收款人名称"));
        QApplication::setActiveWindow(m_window.get());
        payee->setFocus();
        QTest::keyClicks(payee, QStringLiteral("X"));
        QCOMPARE(m_messages->lastText(), QStringLiteral("已审核或者发货的单据不能修改，要先【复查】"));
        QCOMPARE(m_messages->shown().last().title, QStringLiteral("提示"));
        QCOMPARE(form.header()->state(), DataSet::State::Browse);
        QCOMPARE(payee->text(), QStringLiteral("华东建材有限公司"));
        QCOMPARE(stored(QStringLiteral("select 收款人名称 from 银行转帐单")), QStringLiteral("华东建材有限公司"));

        click(form.RecheckButton);
        QCOMPARE(stored(QStringLiteral("select Flag from 银行转帐单")), QStringLiteral("-1"));
        QVERIFY(!form.PostImage->isVisible());
        QVERIFY(form.BtnEdit->isEnabled());
    }

    void auditedChequeIsVoidedOnce()
    {
        TEditNoteForm &form = savedCheque();
        click(form.PostButton);
        m_messages->answer(QMessageBox::Cancel);
        click(form.DisButton);
        QCOMPARE(m_messages->lastText(), QStringLiteral("是否确认将该支票作废？"));
        QCOMPARE(stored(QStringLiteral("select coalesce(dis, 0) from 银行转帐单")), QStringLiteral("0"));
        click(form.DisButton);
        QCOMPARE(stored(QStringLiteral("select dis from 银行转帐单")), QStringLiteral("1"));
        QVERIFY(form.DisImage->isVisible());
        QVERIFY(!form.DisButton->isEnabled());
    }

    // A batch from the history prints its bills in the order asked, one page each, in one job;
    // a bill deleted meanwhile prints empty.
    void batchPrintsTheListedBillsInOrder()
    {
        const QString noteName = SelTableStringValue(CurAdo, QStringLiteral("select NoteName from p_NoteList where RefNo = ?"), {QString::number(kChequeRefNo)});
        for (const QString &payee : {QStringLiteral("甲公司"), QStringLiteral("乙公司"), QStringLiteral("丙公司")})
            ExecTmpQuery(CurAdo, QStringLiteral("insert into 银行转帐单 (NoteName, RefNo, Flag, 金额, 收款人名称) values (?, ?, -1, 5, ?)"),
                         {noteName, QStringLiteral("9") + payee, payee});
        const QList<qint64> ids{3, 1, 99, 2};
        QTemporaryDir output;
        const QString pdf = output.filePath(QStringLiteral("batch.pdf"));
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        // As the history asks for a batch: the format's paper first, then its printer dialog.
        QVERIFY(FollowFormatPaper(CurAdo, noteName, printer));
        arrBatchPrintid = ids;
        openFormat(kChequeRefNo, 1);
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        arrBatchPrintid.clear();

        const QStringList expected{QStringLiteral("丙公司"), QStringLiteral("甲公司"), QString(), QStringLiteral("乙公司")};
        for (int page = 1; page <= 4; ++page) {
            const ToolRun text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                                       QString::number(page), pdf, QStringLiteral("-")});
            QCOMPARE(text.exitCode, 0);
            const QString words = QString::fromUtf8(text.output);
            for (const QString &payee : {QStringLiteral("甲公司"), QStringLiteral("乙公司"), QStringLiteral("丙公司")})
                QCOMPARE(words.contains(payee), payee == expected[page - 1]);
        }
        const ToolRun pages = runTool(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(QString::fromUtf8(pages.output).contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\b"))), pages.output.constData());
    }

    // Delivery notes printed as one batch: each page shows its own bill's detail lines, in
    // their order, exactly where printing that bill alone puts them.
    void batchPagesEqualSinglePrintsWithTheirDetailLines()
    {
        const QString refNo = stored(QStringLiteral("select RefNo from p_NoteList where NoteType = '送货单' and DefNote = 1"));
        const QString picture = stored(QStringLiteral("select ImgFile from p_NoteList where RefNo = '%1'").arg(refNo));
        QFile::copy(BuiltProgramFolder() + QStringLiteral("/images/") + picture,
                    m_folder->file(QStringLiteral("images/") + picture));
        const QString noteName = stored(QStringLiteral("select NoteName from p_NoteList where RefNo = '%1'").arg(refNo));
        QList<qint64> ids;
        for (const QString &bill : {QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")}) {
            ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单 (NoteName, NoteTypeName, RefNo, Flag, 收货单位) values (?, ?, ?, -1, ?)"),
                         {noteName, noteName, QStringLiteral("D") + bill, bill + QStringLiteral("商行")});
            ids.append(SelTableIntValue(CurAdo, QStringLiteral("select max(id) from 出货单")));
        }
        // Lines of 甲 and 丙 interleaved as they were saved; 乙 has none; 丙 runs past the box.
        const QString line = QStringLiteral("insert into 出货单明细 (Refno, 品名, 数量) values (?, ?, ?)");
        for (int i = 1; i <= 7; ++i) {
            ExecTmpQuery(CurAdo, line, {QStringLiteral("D丙"), QStringLiteral("丙货%1").arg(i), i});
            if (i <= 2)
                ExecTmpQuery(CurAdo, line, {QStringLiteral("D甲"), QStringLiteral("甲货%1").arg(i), 10 + i});
        }

        QTemporaryDir output;
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        QList<QList<PdfWord>> alone;
        for (qint64 id : ids) {
            const QString pdf = output.filePath(QStringLiteral("bill%1.pdf").arg(id));
            printer.setOutputFileName(pdf);
            TEditNoteForm &form = openFormat(refNo.toLongLong(), id);
            QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), id);
            click(form.PreviewFlatButton);
            SendMessage(HandleOf(&form), RegisterWindowMessage(MsgPreviewPrint), 0, 0);
            alone.append(PdfWords(pdf));
        }
        const QString batchPdf = output.filePath(QStringLiteral("batch.pdf"));
        printer.setOutputFileName(batchPdf);
        arrBatchPrintid = {ids[2], ids[0], ids[1]};
        openFormat(refNo.toLongLong(), 1);
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        arrBatchPrintid.clear();
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));

        QList<QList<PdfWord>> pages(3);
        for (const PdfWord &word : PdfWords(batchPdf)) {
            QVERIFY(word.page >= 1 && word.page <= 3);
            pages[word.page - 1].append(word);
        }
        const QList<int> billOfPage{2, 0, 1};
        for (int page = 0; page < 3; ++page) {
            const QList<PdfWord> &single = alone[billOfPage[page]];
            QCOMPARE(pages[page].size(), single.size());
            for (qsizetype i = 0; i < single.size(); ++i) {
                QCOMPARE(pages[page][i].text, single[i].text);
                QVERIFY2((pages[page][i].mm.topLeft() - single[i].mm.topLeft()).manhattanLength() < 0.01, qPrintable(single[i].text));
            }
        }
        const auto texts = [](const QList<PdfWord> &words) {
            QStringList all;
            for (const PdfWord &word : words)
                all.append(word.text);
            return all.join(u' ');
        };
        QVERIFY(texts(pages[0]).contains(QStringLiteral("丙货1")) && texts(pages[0]).contains(QStringLiteral("丙货7")));
        QVERIFY(!texts(pages[0]).contains(QStringLiteral("甲货")));
        QVERIFY(texts(pages[1]).contains(QStringLiteral("甲货2")) && !texts(pages[1]).contains(QStringLiteral("丙货")));
        QVERIFY(!texts(pages[2]).contains(QStringLiteral("货")));
        // Lines keep their order down the page.
        double previous = 0;
        for (int i = 1; i <= 7; ++i) {
            const auto word = std::find_if(pages[0].cbegin(), pages[0].cend(),
                                           [&](const PdfWord &w) { return w.text == QStringLiteral("丙货%1").arg(i); });
            QVERIFY(word != pages[0].cend());
            QVERIFY(word->mm.top() > previous);
            previous = word->mm.top();
        }
    }

    void emptyBillIsNotPrinted()
    {
        TEditNoteForm &form = openFormat(kChequeRefNo);
        form.OpenMainTable(-1);
        m_messages->clear();
        click(form.BtnPrint);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("空单据不能打印")});
    }

    // 预览 shows the values over the picture; the preview's print request puts them on paper
    // (here a PDF) at the format's positions, never the picture.
    void previewAndItsPrintRequest()
    {
        TEditNoteForm &form = savedCheque(QStringLiteral("1234.5"));
        QTemporaryDir output;
        const QString pdf = output.filePath(QStringLiteral("cheque.pdf"));
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        m_messages->clear();
        click(form.PreviewFlatButton);
        QVERIFY2(m_messages->shown().isEmpty(), qPrintable(m_messages->texts().join(QLatin1Char('\n'))));
        bool previewShown = false;
        for (QWidget *window : QApplication::topLevelWidgets())
            previewShown |= window->isVisible() && window->windowTitle() == QStringLiteral("PreviewForm");
        QVERIFY(previewShown);

        SendMessage(HandleOf(&form), RegisterWindowMessage(MsgPreviewPrint), 0, 0);
        QVERIFY(QFile::exists(pdf));
        const ToolRun text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(QString::fromUtf8(text.output).contains(QStringLiteral("华东建材有限公司")), text.output.constData());
        const ToolRun images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QCOMPARE(images.output.count('\n'), 2);  // the header lines only: no picture
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
    }

    void deletedBillLeavesTheTable()
    {
        TEditNoteForm &form = savedCheque();
        m_messages->answer(QMessageBox::No);
        click(form.BtnDel);
        QCOMPARE(m_messages->lastText(), QStringLiteral("是否删除当前记录？"));
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("1"));
        click(form.BtnDel);
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("0"));
        QVERIFY(form.header()->isEmpty());
        QVERIFY(form.savedBills()->isEmpty());
    }

    void reopenedChequeShowsItsValues()
    {
        TEditNoteForm &saved = savedCheque(QStringLiteral("1234.5"));
        const qint64 id = saved.header()->fieldByName(QStringLiteral("id"))->asInteger();
        saved.header()->edit();
        saved.header()->fieldByName(QStringLiteral("支付密码"))->setValue(QStringLiteral("4821"));
        saved.BtnSave->click();
        QPointer<QWidget> closed = saved.parentWidget();
        QVERIFY(closed->close());
        QTRY_VERIFY(!closed);

        TEditNoteForm &form = openFormat(kChequeRefNo, id);
        QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), id);
        QCOMPARE(control<TtavDBCurrencyEdit>(form, QStringLiteral("金额"))->Value(), 1234.5L);
        QCOMPARE(control<TtavCurrencyLabel>(form, QStringLiteral("支付密码"))->DigitalSymbols().mid(0, 5),
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("8"), QStringLiteral("4"), QString()}));
        QCOMPARE(control<QLabel>(form, QStringLiteral("付款日期_大写年"))->text(),
                 stored(QStringLiteral("select 付款日期_大写年 from 银行转帐单")));
        QCOMPARE(form.savedBills()->recordCount(), 1);
    }

    void auditedDeliveryNoteTakesItsLinesOutOfStock()
    {
        TEditNoteForm &form = openFormat(deliveryNoteFormat());
        QCOMPARE(form.gridCount(), 1);
        QVERIFY(form.FrPrintBtn->isVisibleTo(&form) == false);  // no bill yet
        click(form.BtnNew);
        addLine(form, QStringLiteral("P1"), 3, QStringLiteral("一号库"), QStringLiteral("30"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("合计金额"))->asString(), QStringLiteral("30"));
        QCOMPARE(form.detailQuery(0)->fieldByName(QStringLiteral("Refno"))->asString(),
                 form.header()->fieldByName(QStringLiteral("RefNo"))->asString());

        // A product code the goods list lacks is refused, and the line stays open.
        DataSet *lines = form.detailQuery(0);
        QVERIFY(lines->append());
        lines->fieldByName(QStringLiteral("产品编号"))->setValue(QStringLiteral("P9"));
        QVERIFY(!lines->post());
        QCOMPARE(m_messages->lastText(), QStringLiteral("产品编号不正确"));
        QCOMPARE(m_messages->shown().last().title, QStringLiteral("错误"));
        lines->cancel();

        click(form.BtnSave);
        const QString refNo = form.header()->fieldByName(QStringLiteral("RefNo"))->asString();
        QCOMPARE(stored(QStringLiteral("select 合计金额 from 出货单")), QStringLiteral("30"));
        QCOMPARE(stored(QStringLiteral("select Refno || ':' || 产品编号 || ':' || 数量 from 出货单明细")), refNo + QStringLiteral(":P1:3.0"));
        QVERIFY(form.FrPrintBtn->isVisibleTo(&form) && form.CkdFlatButton->isVisibleTo(&form));
        QVERIFY(!form.DisButton->isVisibleTo(&form));

        // A line booked elsewhere and with an unknown product, as an import leaves them.
        ExecTmpQuery(CurAdo, QStringLiteral("insert into 出货单明细 (Refno, 产品编号, 数量, 仓库) values (?, 'P2', 2, '二号库')"), {refNo});
        click(form.PostButton);
        QVERIFY(form.PostImage->isVisible());
        QCOMPARE(stored(QStringLiteral("select Flag from 出货单")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("select 产品编号 || '|' || coalesce(品名, '') || '|' || 数量 || '|' || 仓库 from 商品库存 order by autoid")),
                 QStringLiteral("P1|螺丝|7.0|一号库\nP2||-2.0|一号库"));
        QCOMPARE(form.detailGrid(0)->editTriggers(), QAbstractItemView::NoEditTriggers);

        click(form.RecheckButton);
        QCOMPARE(stored(QStringLiteral("select Flag from 出货单")), QStringLiteral("-1"));
        QCOMPARE(stored(QStringLiteral("select 产品编号 || '|' || 数量 from 商品库存 order by autoid")), QStringLiteral("P1|10.0\nP2|0.0"));
    }

    void everyEditKindGetsItsControl()
    {
        TEditNoteForm &form = openFormat(everyKindFormat());
        QVERIFY(control<QLineEdit>(form, QStringLiteral("用途")));
        QCOMPARE(control<QLineEdit>(form, QStringLiteral("收款人名称"))->actions().size(), 1);
        QCOMPARE(control<QComboBox>(form, QStringLiteral("付款人省"))->itemText(0), stored(QStringLiteral("select 一级代码 from dmtable2 where 类型 = '省市' limit 1")));
        QVERIFY(control<NullableDateEdit>(form, QStringLiteral("付款日期")));
        QVERIFY(control<QPlainTextEdit>(form, QStringLiteral("付款人名称")));
        QVERIFY(control<QLabel>(form, QStringLiteral("金额_金额大写")));
        QVERIFY(control<QFrame>(form, QStringLiteral("币别")));
        QVERIFY(control<QCheckBox>(form, QStringLiteral("单据号码")));
        QCOMPARE(control<TtavDBCurrencyEdit>(form, QStringLiteral("金额"))->DigitalNumber(), 4);
        QCOMPARE(control<TtavCurrencyLabel>(form, QStringLiteral("支付密码"))->DigitalNumber(), 6);
        QCOMPARE(form.page()->findChildren<TtavCurrencyLabel *>().size(), 2);  // the amount's place names too
        bool plainText = false;
        for (QLabel *label : form.page()->findChildren<QLabel *>())
            plainText |= label->text() == QStringLiteral("说明");
        QVERIFY(plainText);
        QVERIFY(control<QLineEdit>(form, QStringLiteral("没有的列"))->styleSheet().contains(QStringLiteral("#FF0000")));
        QVERIFY(!control<QWidget>(form, QStringLiteral("收款账户")));

        click(form.BtnNew);
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(QStringLiteral("99.5"));
        // The box has room for the symbol below 10 yuan, none at 10 and turns red from 100.
        TtavDBCurrencyEdit *amount = control<TtavDBCurrencyEdit>(form, QStringLiteral("金额"));
        QCOMPARE(amount->CurrencySymbol(), QString());
        QCOMPARE(amount->Color(), QColor(Qt::white));
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(QStringLiteral("100"));
        QCOMPARE(amount->Color(), QColor(Qt::red));
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(QStringLiteral("9.5"));
        QCOMPARE(amount->CurrencySymbol(), QStringLiteral("\uFFE5"));

        // Choosing a province gives its cities to the city drop-down.
        QComboBox *province = control<QComboBox>(form, QStringLiteral("付款人省"));
        province->setCurrentIndex(province->findText(QStringLiteral("广东省")));
        Q_EMIT province->activated(province->currentIndex());
        QComboBox *city = control<QComboBox>(form, QStringLiteral("付款人市"));
        QCOMPARE(QString::number(city->count()), stored(QStringLiteral("select count(*) from dmtable2 where 一级代码 = '广东省'")));
        QVERIFY(city->findText(QStringLiteral("深圳市")) >= 0);

        // Ticks of one field behave as option buttons; a bit-set tick keeps the other bits.
        QList<QCheckBox *> banks;
        for (QCheckBox *box : form.page()->findChildren<QCheckBox *>())
            if (box->property("dbFieldName").toString() == QStringLiteral("收款银行"))
                banks.append(box);
        QCOMPARE(banks.size(), 2);
        QTest::mouseClick(banks.at(0), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(banks.at(1), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(headerText(form, QStringLiteral("收款银行")), banks.at(1)->text());
        QVERIFY(banks.at(1)->isChecked() && !banks.at(0)->isChecked());
        form.header()->fieldByName(QStringLiteral("printcount"))->setValue(1);
        QCheckBox *bit = control<QCheckBox>(form, QStringLiteral("printcount"));
        QTest::mouseClick(bit, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(headerText(form, QStringLiteral("printcount")), QStringLiteral("5"));

        // The picker's values go into the fields its row names, in order; missing names are skipped.
        ExecTmpQuery(CurAdo, QStringLiteral("insert into Bs_ProdList (PartNo, PartName, PartSpec, Unit) values ('P7', '垫圈', 'M8', '包')"));
        // The module's picker dialog (its class is the module's copy): the first row is chosen.
        int seen = 0;
        QTimer chooser;
        chooser.setInterval(5);
        connect(&chooser, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || QString::fromLatin1(modal->metaObject()->className()) != QLatin1String("TPickDataForm"))
                return;
            chooser.stop();
            ++seen;
            DataGrid *rows = static_cast<TPickDataForm *>(modal)->grid();
            DoubleClickCell(rows, rows->model()->index(0, rows->horizontalHeader()->logicalIndex(0)));
            if (modal->isVisible())
                modal->hide();
        });
        chooser.start();
        control<QLineEdit>(form, QStringLiteral("收款人名称"))->actions().first()->trigger();
        QCOMPARE(seen, 1);
        QCOMPARE(headerText(form, QStringLiteral("用途")), QStringLiteral("P7"));
        QCOMPARE(headerText(form, QStringLiteral("收款人名称")), QStringLiteral("垫圈"));
    }
};

QTEST_MAIN(TestBillForm)
#include "tst_billform.moc"
