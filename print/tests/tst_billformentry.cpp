#include "helpers/BillFormWindow.h"
#include "PdfWords.h"
#include "helpers/UserInput.h"

#include "gui/dialogs/PrinterSetupSeam.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "gui/grid/DataGrid.h"
#include "gui/grid/GridFooter.h"
#include "gui/printfun/CurrentPrinter.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void keepScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLET_SCREENSHOTS");
    if (!folder.isEmpty())
        widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

// A clerk's road through the bill form: lines typed into a delivery note, bills made from bills
// by the buttons, the format menu of a category, and the faults met on the way.
class TestBillFormEntry : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BillFormWindow> m_bills;
    QTemporaryDir m_output;

    QString stored(const QString &sql) const { return m_bills->stored(sql); }

    TEditNoteForm &savedCheque()
    {
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        form.BtnNew->click();
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(QStringLiteral("88"));
        form.header()->fieldByName(QStringLiteral("收款人名称"))->setValue(QStringLiteral("华东建材有限公司"));
        form.BtnSave->click();
        if (form.header()->isEditing())
            qFatal("the cheque was not saved: %s", qPrintable(m_bills->shownTexts()));
        return form;
    }

    void focusInto(QWidget *control)
    {
        QApplication::setActiveWindow(&m_bills->window());
        control->setFocus();
        if (!QTest::qWaitFor([control] { return control->hasFocus(); }))
            qFatal("no focus for %s", qPrintable(control->objectName()));
    }

    // One line typed cell by cell: Tab to the next cell, Enter at the end.
    void typeLine(QWidget *grid, const QStringList &cells)
    {
        for (int i = 0; i < cells.size(); ++i) {
            TypeHere(grid, cells.at(i));
            QTest::keyClick(KeyTarget(grid), i + 1 < cells.size() ? Qt::Key_Tab : Qt::Key_Return);
        }
        // Return closes the editor once the event loop runs; the grid has the keyboard again.
        QCoreApplication::processEvents();
        focusInto(grid);
    }

    // A delivery note with three lines typed through its grid, saved.
    TEditNoteForm &typedDeliveryNote()
    {
        TEditNoteForm &form = m_bills->openFormat(m_bills->addDeliveryNoteFormat());
        form.BtnNew->click();
        form.header()->fieldByName(QStringLiteral("收货单位"))->setValue(QStringLiteral("宏达商行"));
        DataGrid *grid = form.detailGrid(0);
        focusInto(grid);
        typeLine(grid, {QStringLiteral("P1"), QStringLiteral("1"), QStringLiteral("一号库"), QStringLiteral("10")});
        QTest::keyClick(grid, Qt::Key_Down);
        typeLine(grid, {QStringLiteral("P2"), QStringLiteral("2"), QStringLiteral("一号库"), QStringLiteral("20.5")});
        QTest::keyClick(grid, Qt::Key_Down);
        typeLine(grid, {QStringLiteral("P3"), QStringLiteral("3"), QStringLiteral("二号库"), QStringLiteral("30")});
        return form;
    }

private Q_SLOTS:
    void init()
    {
        m_bills = std::make_unique<BillFormWindow>();
        PrinterSetupSeam::setHandler([] { return true; });
    }
    void cleanup()
    {
        PrinterSetupSeam::setHandler({});
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
        m_bills.reset();
    }

    void linesTypedIntoTheGridAreSumsSavedAndReopened()
    {
        TEditNoteForm &form = typedDeliveryNote();
        DataGrid *grid = form.detailGrid(0);
        QCOMPARE(form.detailQuery(0)->recordCount(), 3);
        QCOMPARE(grid->footer()->textOf(grid->columnOfField(QStringLiteral("小计"))), QStringLiteral("60.50"));
        // A format without a picture: the page holds its controls.
        QVERIFY(form.page()->rect().contains(grid->geometry()));
        form.parentWidget()->showMaximized();
        keepScreenshot(&m_bills->window(), QStringLiteral("billform-delivery-lines"));
        QVERIFY(ClickButton(form.BtnSave));
        QVERIFY2(m_bills->messages().shown().isEmpty(), qPrintable(m_bills->shownTexts()));
        QCOMPARE(form.header()->state(), DataSet::State::Browse);
        const QString refNo = form.header()->fieldByName(QStringLiteral("RefNo"))->asString();
        QCOMPARE(stored(QStringLiteral("select Refno || ':' || 产品编号 || ':' || 数量 || ':' || 仓库 || ':' || 小计 from 出货单明细 order by id")),
                 QStringLiteral("%1:P1:1.0:一号库:10\n%1:P2:2.0:一号库:20.5\n%1:P3:3.0:二号库:30").arg(refNo));
        QCOMPARE(stored(QStringLiteral("select 合计金额 from 出货单")), QStringLiteral("60.5"));

        // After the save nothing is left open: a click on a cell keeps the bill browsing and 审核 works.
        QVERIFY(!grid->indexWidget(grid->currentIndex()));
        const QModelIndex cell = grid->model()->index(1, grid->columnOfField(QStringLiteral("数量")));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 0)).center());
        QCOMPARE(form.header()->state(), DataSet::State::Browse);
        QVERIFY(ClickButton(form.PostButton));
        QCOMPARE(stored(QStringLiteral("select Flag from 出货单")), QStringLiteral("1"));

        const qint64 id = form.header()->fieldByName(QStringLiteral("id"))->asInteger();
        QPointer<QWidget> closed = form.parentWidget();
        QVERIFY(closed->close());
        QTRY_VERIFY(!closed);
        TEditNoteForm &reopened = m_bills->openFormat(2001, id);
        QCOMPARE(reopened.detailQuery(0)->recordCount(), 3);
        QCOMPARE(reopened.detailGrid(0)->footer()->textOf(reopened.detailGrid(0)->columnOfField(QStringLiteral("小计"))),
                 QStringLiteral("60.50"));
    }

    // 保存, then 新增: the new bill's grid is empty and its total counts nothing of the last.
    void newBillAfterSaveStartsWithoutLines()
    {
        TEditNoteForm &form = typedDeliveryNote();
        QVERIFY(ClickButton(form.BtnSave));
        QVERIFY(ClickButton(form.BtnNew));
        QCOMPARE(form.detailQuery(0)->recordCount(), 0);
        QCOMPARE(form.detailGrid(0)->model()->rowCount(), 0);
        QVERIFY(form.header()->fieldByName(QStringLiteral("合计金额"))->isNull());
        // The clerk types into the first field of the bill.
        QCOMPARE(QApplication::focusWidget(), SurfaceControl<QLineEdit>(form, QStringLiteral("收货单位")));
        QVERIFY(ClickButton(form.BtnSave));
        QCOMPARE(stored(QStringLiteral("select count(*) from 出货单明细")), QStringLiteral("3"));
        QCOMPARE(stored(QStringLiteral("select coalesce(合计金额, 'none') from 出货单 order by id desc limit 1")), QStringLiteral("none"));
    }

    // A cancelled bill takes its typed lines with it.
    void cancelledBillDropsItsLines()
    {
        TEditNoteForm &form = typedDeliveryNote();
        QVERIFY(ClickButton(form.BtnCancel));
        QCOMPARE(form.header()->state(), DataSet::State::Browse);
        QVERIFY(!form.detailQuery(0)->hasPendingUpdates());
        QVERIFY(ClickButton(form.BtnNew));
        QVERIFY(ClickButton(form.BtnSave));
        QCOMPARE(stored(QStringLiteral("select count(*) from 出货单明细")), QStringLiteral("0"));
    }

    void insertKeyAndMenuAddLines()
    {
        TEditNoteForm &form = m_bills->openFormat(m_bills->addDeliveryNoteFormat());
        DataGrid *grid = form.detailGrid(0);
        // No bill yet: no line either.
        focusInto(grid);
        QTest::keyClick(grid, Qt::Key_Insert);
        QCOMPARE(form.detailQuery(0)->recordCount(), 0);
        QVERIFY(ClickButton(form.BtnNew));
        focusInto(grid);
        QTest::keyClick(grid, Qt::Key_Insert);
        QCOMPARE(form.detailQuery(0)->recordCount(), 1);
        QCOMPARE(form.detailQuery(0)->fieldByName(QStringLiteral("Refno"))->asString(),
                 form.header()->fieldByName(QStringLiteral("RefNo"))->asString());
        QStringList items;
        for (QAction *action : grid->popupMenu()->actions())
            if (!action->isSeparator())
                items.append(action->text());
        QCOMPARE(items, (QStringList{QStringLiteral("将表格中数据转入Excel"), QStringLiteral("设置表格显示"), QStringLiteral("保存显示设置"),
                                     QStringLiteral("插入"), QStringLiteral("删除")}));
        // An untouched new line goes when the next one comes; a typed one stays.
        form.detailQuery(0)->fieldByName(QStringLiteral("产品编号"))->setValue(QStringLiteral("P1"));
        grid->popupMenu()->actions().at(4)->trigger();
        QCOMPARE(form.detailQuery(0)->recordCount(), 2);
        grid->popupMenu()->actions().at(5)->trigger();
        QCOMPARE(form.detailQuery(0)->recordCount(), 1);
    }

    void copiedDeliveryNoteHasItsLines()
    {
        TEditNoteForm &form = typedDeliveryNote();
        QVERIFY(ClickButton(form.BtnSave));
        const QString oldRefNo = form.header()->fieldByName(QStringLiteral("RefNo"))->asString();
        QVERIFY(ClickButton(form.CopyButton));
        QCOMPARE(m_bills->messages().lastText(), QStringLiteral("复制完成"));
        QCOMPARE(m_bills->messages().shown().last().title, QStringLiteral("提示"));
        const QString newRefNo = form.header()->fieldByName(QStringLiteral("RefNo"))->asString();
        QVERIFY(newRefNo != oldRefNo);
        QCOMPARE(form.detailQuery(0)->recordCount(), 3);
        QPointer<QWidget> closed = form.parentWidget();
        QVERIFY(closed->close());
        QTRY_VERIFY(!closed);
        QCOMPARE(stored(QStringLiteral("select count(*) from 出货单")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("select 产品编号 || ':' || 小计 from 出货单明细 where Refno = '%1' order by id").arg(newRefNo)),
                 QStringLiteral("P1:10\nP2:20.5\nP3:30"));
        QCOMPARE(stored(QStringLiteral("select Flag || '|' || 合计金额 from 出货单 where Refno = '%1'").arg(newRefNo)), QStringLiteral("-1|60.5"));
    }

    void waybillButtonMakesOneWaybill()
    {
        const qint64 waybillFormat = m_bills->addChequeLikeFormat(QStringLiteral("快递单"), QStringLiteral("快递单"), QStringLiteral("快递单"), 10, 10, true);
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set DataTablename = '快递单' where RefNo = ?"), {QString::number(waybillFormat)});
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteCntlList set DbFieldName = '收件人名称' where RefNo = ?"), {QString::number(waybillFormat)});
        TEditNoteForm &form = typedDeliveryNote();
        QVERIFY(ClickButton(form.BtnSave));
        const qint64 note = form.header()->fieldByName(QStringLiteral("id"))->asInteger();
        QVERIFY(ClickButton(form.CkdFlatButton));
        QCOMPARE(form.format().noteName, QStringLiteral("快递单"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("收件人名称"))->asString(), QStringLiteral("宏达商行"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("RefAutoid"))->asInteger(), note);
        QVERIFY(!form.CkdFlatButton->isVisibleTo(&form));

        TEditNoteForm &again = m_bills->openFormat(2001, note);
        QVERIFY(ClickButton(again.CkdFlatButton));
        QCOMPARE(stored(QStringLiteral("select count(*) from 快递单")), QStringLiteral("1"));
        QCOMPARE(again.header()->fieldByName(QStringLiteral("RefAutoid"))->asInteger(), note);
    }

    void chequeAndSlipOpenEachOther()
    {
        m_bills->addChequeLikeFormat(QStringLiteral("进账单"), QStringLiteral("进账单"), QStringLiteral("进账单"), 100, 100, true);
        TEditNoteForm &form = savedCheque();
        const qint64 cheque = form.header()->fieldByName(QStringLiteral("id"))->asInteger();
        QCOMPARE(form.ConvertButton->text(), QStringLiteral("转进账单"));
        QVERIFY(ClickButton(form.ConvertButton));
        QVERIFY2(m_bills->messages().shown().isEmpty(), qPrintable(m_bills->shownTexts()));
        QCOMPARE(form.format().noteName, QStringLiteral("进账单"));
        QCOMPARE(form.NoteListComboBox->currentText(), QStringLiteral("进账单"));
        QCOMPARE(form.ConvertButton->text(), QStringLiteral("转支票"));
        const qint64 slip = form.header()->fieldByName(QStringLiteral("id"))->asInteger();
        QCOMPARE(stored(QStringLiteral("select RefAutoid from 银行转帐单 where id = %1").arg(cheque)), QString::number(slip));

        QVERIFY(ClickButton(form.ConvertButton));
        QCOMPARE(form.format().noteName, QStringLiteral("支票"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), cheque);
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("2"));
    }

    void convertWithoutDefaultFormatIsRefused()
    {
        TEditNoteForm &form = savedCheque();
        QVERIFY(ClickButton(form.ConvertButton));
        QCOMPARE(m_bills->messages().texts(), QStringList{QStringLiteral("没有设定默认的单据格式")});
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("1"));
    }

    // Two formats in the category: 套打 lists both, and the chosen one prints at its positions.
    void formatMenuPrintsTheChosenFormat()
    {
        m_bills->addChequeLikeFormat(QStringLiteral("支票二"), QStringLiteral("支票"), QStringLiteral("支票"), 96, 288, false);
        TEditNoteForm &form = savedCheque();
        const QString pdf = m_output.filePath(QStringLiteral("menu.pdf"));
        CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        CurrentPrinter().setOutputFileName(pdf);
        QVERIFY(ClickButton(form.BtnPrint));
        QMenu *menu = form.formatMenu();
        QVERIFY(menu);
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(!QFile::exists(pdf));
        QStringList names;
        for (QAction *action : menu->actions())
            names.append(action->text());
        QCOMPARE(names, (QStringList{QStringLiteral("支票"), QStringLiteral("支票二")}));
        keepScreenshot(&m_bills->window(), QStringLiteral("billform-format-menu-window"));
        keepScreenshot(menu, QStringLiteral("billform-format-menu"));
        menu->actions().at(1)->trigger();
        menu->hide();
        QVERIFY2(QFile::exists(pdf), qPrintable(m_bills->shownTexts()));
        const QList<PdfWord> words = PdfWords(pdf);
        QCOMPARE(words.size(), 1);
        QCOMPARE(words.first().text, QStringLiteral("华东建材有限公司"));
        QVERIFY(std::abs(words.first().mm.left() - 25.4) < 0.5);
        QVERIFY(std::abs(words.first().mm.top() - 76.2) < 1.5);
    }

    void previewMenuPreviews()
    {
        m_bills->addChequeLikeFormat(QStringLiteral("支票二"), QStringLiteral("支票"), QStringLiteral("支票"), 96, 288, false);
        TEditNoteForm &form = savedCheque();
        QVERIFY(ClickButton(form.PreviewFlatButton));
        QTRY_VERIFY(form.formatMenu() && form.formatMenu()->isVisible());
        form.formatMenu()->actions().at(1)->trigger();
        form.formatMenu()->hide();
        bool previewShown = false;
        for (QWidget *window : QApplication::topLevelWidgets())
            previewShown |= window->isVisible() && window->windowTitle() == QStringLiteral("PreviewForm");
        QVERIFY(previewShown);
    }

    // "-" in an amount whose capitals are derived does nothing; the first one says why, once.
    void minusKeyLeavesTheAmount()
    {
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        QVERIFY(ClickButton(form.BtnNew));
        TtavDBCurrencyEdit *amount = SurfaceControl<TtavDBCurrencyEdit>(form, QStringLiteral("金额"));
        QApplication::setActiveWindow(&m_bills->window());
        amount->setFocus();
        QTRY_VERIFY(amount->hasFocus());
        QTest::keyClicks(amount, QStringLiteral("12"));
        QTest::keyClick(amount, Qt::Key_Minus);
        QTest::keyClick(amount, Qt::Key_Minus, Qt::KeypadModifier);
        form.XShiftEdit->setFocus();
        amount->setFocus();
        QCOMPARE(m_bills->messages().texts(), QStringList{QStringLiteral("金额不能为负数：大写金额和金额格子没有负号")});
        QTest::keyClick(amount, Qt::Key_Minus);
        QCOMPARE(m_bills->messages().texts().size(), 1);
        QCOMPARE(form.header()->fieldByName(QStringLiteral("金额"))->asString(), QStringLiteral("12"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("金额_金额大写"))->asString(), QStringLiteral("壹拾贰元整"));
        QVERIFY(ClickButton(form.BtnSave));
        QCOMPARE(stored(QStringLiteral("select 金额 from 银行转帐单")), QStringLiteral("12"));
    }

    // After 新增 typing starts in the bill's first field, not inside the amount.
    void newBillFocusesTheFirstField()
    {
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        TtavDBCurrencyEdit *amount = SurfaceControl<TtavDBCurrencyEdit>(form, QStringLiteral("金额"));
        QApplication::setActiveWindow(&m_bills->window());
        amount->setFocus();
        QVERIFY(ClickButton(form.BtnNew));
        QLineEdit *number = SurfaceControl<QLineEdit>(form, QStringLiteral("单据号码"));
        QTRY_COMPARE(QApplication::focusWidget(), number);
        TypeHere(number, QStringLiteral("1"));
        QCOMPARE(form.header()->fieldByName(QStringLiteral("单据号码"))->asString(), QStringLiteral("1"));
        QVERIFY(form.header()->fieldByName(QStringLiteral("金额"))->isNull());
    }

    // A kind without a format: a clear message, the earlier bill's table closed, nothing to save.
    void kindWithoutFormatOffersNothing()
    {
        TEditNoteForm &form = savedCheque();
        m_bills->messages().clear();
        m_bills->window().OpenMenuForm(MenuId::BillForm, 0);
        QCOMPARE(m_bills->messages().texts().size(), 1);
        QVERIFY(m_bills->messages().lastText().contains(QStringLiteral("单据格式")));
        QVERIFY(!form.header()->isActive());
        QVERIFY(!form.BtnNew->isEnabled());
        form.BtnNew->click();
        QVERIFY(!form.BtnSave->isEnabled());
        QCOMPARE(stored(QStringLiteral("select count(*) from 银行转帐单")), QStringLiteral("1"));
    }

    // Ticks of 多项勾选 show on screen: a ticked box looks different from an unticked one.
    void multiTickShowsItsTick()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("insert into p_NoteCntlList (RefNo, Tag, ParentId, CtlCName, DbFieldName, FieldEditType, Ctlx,"
                                            " CtlY, CtlW, CtlH, NeedShow) values ('1001', 1100, 0, '工行', '收款银行', '多项勾选', 20, 300, 60, 18, '是')"));
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        QCheckBox *box = SurfaceControl<QCheckBox>(form, QStringLiteral("收款银行"));
        QVERIFY(box);
        const QImage unticked = box->grab().toImage();
        QVERIFY(ClickButton(form.BtnNew));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QVERIFY(box->isChecked());
        QCOMPARE(form.header()->fieldByName(QStringLiteral("收款银行"))->asString(), QStringLiteral("工行"));
        QVERIFY(box->grab().toImage() != unticked);
        QVERIFY(box->styleSheet().isEmpty());
    }

    // Audited and void: both stamps read, apart.
    void stampsLieApart()
    {
        TEditNoteForm &form = savedCheque();
        QVERIFY(ClickButton(form.PostButton));
        QVERIFY(ClickButton(form.DisButton));
        QVERIFY(form.PostImage->isVisible() && form.DisImage->isVisible());
        QVERIFY(!form.PostImage->geometry().intersects(form.DisImage->geometry()));
        QVERIFY(form.page()->rect().contains(form.DisImage->geometry()));
    }

    // The product check refuses a line once for each thing the clerk does: moving down to a new
    // line, clicking another line.
    void unknownProductIsRefusedOnce()
    {
        TEditNoteForm &form = m_bills->openFormat(m_bills->addDeliveryNoteFormat());
        QVERIFY(ClickButton(form.BtnNew));
        DataGrid *grid = form.detailGrid(0);
        focusInto(grid);
        typeLine(grid, {QStringLiteral("P1"), QStringLiteral("1")});
        QTest::keyClick(grid, Qt::Key_Down);
        typeLine(grid, {QStringLiteral("P9"), QStringLiteral("1")});
        QVERIFY(m_bills->messages().shown().isEmpty());
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(m_bills->messages().texts(), QStringList{QStringLiteral("产品编号不正确")});
        QCOMPARE(form.detailQuery(0)->recordCount(), 2);

        m_bills->messages().clear();
        const QModelIndex first = grid->model()->index(0, grid->columnOfField(QStringLiteral("数量")));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(first).center());
        QCOMPARE(m_bills->messages().texts(), QStringList{QStringLiteral("产品编号不正确")});
        QCOMPARE(form.detailQuery(0)->recNo(), 2);
        QTest::mouseClick(SurfaceControl<QLineEdit>(form, QStringLiteral("收货单位")), Qt::LeftButton);
        QCOMPARE(m_bills->messages().texts().size(), 1);
    }

    void toolbarLinksOpenDesignerAndHistory()
    {
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        QVERIFY(ClickButton(form.QueryBtn));
        QMdiSubWindow *active = m_bills->window().mdiArea()->activeSubWindow();
        QVERIFY(active);
        QCOMPARE(QString::fromLatin1(active->widget()->metaObject()->className()), QStringLiteral("TDbQueryForm"));
        QVERIFY(ClickButton(form.ChequeRegisterButton));
        active = m_bills->window().mdiArea()->activeSubWindow();
        QCOMPARE(QString::fromLatin1(active->widget()->metaObject()->className()), QStringLiteral("TCheckForm"));
    }

    void savedBillListAndItsButtons()
    {
        TEditNoteForm &form = savedCheque();
        const qint64 first = form.header()->fieldByName(QStringLiteral("id"))->asInteger();
        QVERIFY(ClickButton(form.BtnNew));
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(QStringLiteral("5"));
        QVERIFY(ClickButton(form.BtnSave));
        const qint64 second = form.header()->fieldByName(QStringLiteral("id"))->asInteger();
        const QString counter = stored(QStringLiteral("select SysNoteId from Bs_SysSet"));
        QCOMPARE(form.savedBills()->recordCount(), 2);
        QCOMPARE(form.savedBills()->recNo(), 1);  // newest first
        auto *number = form.page()->findChild<QLabel *>(QStringLiteral("billNumber"));
        QVERIFY(number && number->isVisible());
        QCOMPARE(number->text(), QString::number(second));
        form.Image2->click();
        QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), first);
        form.Image2->click();
        QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), first);
        form.Image1->click();
        QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), second);
        // Nothing while editing.
        form.header()->edit();
        form.Image2->click();
        QCOMPARE(form.header()->fieldByName(QStringLiteral("id"))->asInteger(), second);
        form.header()->cancel();
        QCOMPARE(stored(QStringLiteral("select SysNoteId from Bs_SysSet")), counter);
    }
};

QTEST_MAIN(TestBillFormEntry)
#include "tst_billformentry.moc"
