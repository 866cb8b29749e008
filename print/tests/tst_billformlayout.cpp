#include "TinyHttpServer.h"
#include "helpers/BillFormWindow.h"
#include "PdfWords.h"
#include "helpers/UserInput.h"

#include "bills/form/layout/PageNudgeKeys.h"
#include "gui/dialogs/PrinterSetupSeam.h"
#include "core/dataset/DataField.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/MenuIds.h"
#include "core/globals/PubDm.h"
#include "core/printfun/PrintUnits.h"
#include "gui/printfun/CurrentPrinter.h"
#include "gui/web/VendorPagePanel.h"
#include "tav/TtavDBCurrencyEdit.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTimer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// Saves what a user would see, for a person to look at, when QUILLET_SCREENSHOTS names a folder.
void keepScreenshot(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("QUILLET_SCREENSHOTS");
    if (!folder.isEmpty())
        widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Every control of the page with its geometry, by object name.
QMap<QString, QRect> pageGeometry(TEditNoteForm &form)
{
    QMap<QString, QRect> geometry{{QStringLiteral("page"), form.page()->geometry()}};
    for (QWidget *control : form.page()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!control->objectName().isEmpty() && control->isVisibleTo(form.page()))
            geometry.insert(control->objectName(), control->geometry());
    return geometry;
}

} // namespace

// The bill form fitted to paper and screen as a clerk calibrates it: offsets typed and nudged,
// the page zoomed, the paper the first print lands on.
class TestBillFormLayout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<BillFormWindow> m_bills;
    QTemporaryDir m_output;

    // A saved cheque, shown.
    TEditNoteForm &savedCheque()
    {
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        form.BtnNew->click();
        form.header()->fieldByName(QStringLiteral("金额"))->setValue(QStringLiteral("1234.5"));
        form.header()->fieldByName(QStringLiteral("收款人名称"))->setValue(QStringLiteral("华东建材有限公司"));
        form.BtnSave->click();
        if (form.header()->isEditing())
            qFatal("the cheque was not saved: %s", qPrintable(m_bills->shownTexts()));
        return form;
    }

    // 套打 into a PDF file; the printer dialog is confirmed.
    QString printWithButton(TEditNoteForm &form, const QString &name)
    {
        const QString pdf = m_output.filePath(name + QStringLiteral(".pdf"));
        QPrinter &printer = CurrentPrinter();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        form.BtnPrint->click();
        return pdf;
    }

    void focusInto(QWidget *control)
    {
        QApplication::setActiveWindow(&m_bills->window());
        control->setFocus();
        QTRY_VERIFY(control->hasFocus());
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

    // Typing 2.5 stores 2.50 at once, the key's release moves the page by 5 screen pixels, and
    // the print moves by exactly 2.5 mm.
    void typedOffsetMovesPageAndPrint()
    {
        TEditNoteForm &form = savedCheque();
        const QList<PdfWord> before = PdfWords(printWithButton(form, QStringLiteral("before")));
        QVERIFY2(!before.isEmpty(), qPrintable(m_bills->shownTexts()));
        QCOMPARE(form.pageScrollBox()->pos(), QPoint(form.leftMargin(), form.topMargin()));

        focusInto(form.XShiftEdit);
        form.XShiftEdit->selectAll();
        QTest::keyClicks(form.XShiftEdit, QStringLiteral("2.5"));
        QCOMPARE(m_bills->stored(QStringLiteral("select printf('%.2f', Xmove) from p_NoteList where RefNo = '1001'")), QStringLiteral("2.50"));
        QCOMPARE(form.pageScrollBox()->x(), form.leftMargin() + MarginToPix(2.5));
        QCOMPARE(MarginToPix(2.5), 5);

        const QList<PdfWord> after = PdfWords(printWithButton(form, QStringLiteral("after")));
        QCOMPARE(after.size(), before.size());
        const double dpi = CurrentPrinter().logicalDpiX();
        const double shift = std::nearbyint(2.5 / 25.4 * dpi) * 25.4 / dpi;
        for (int i = 0; i < before.size(); ++i) {
            QCOMPARE(after.at(i).text, before.at(i).text);
            QVERIFY2(std::abs(after.at(i).mm.left() - before.at(i).mm.left() - shift) < 0.02, qPrintable(after.at(i).text));
            QVERIFY(std::abs(after.at(i).mm.top() - before.at(i).mm.top()) < 0.02);
        }
        QVERIFY(std::abs(shift - 2.5) < 0.03);
    }

    void halfTypedOffsetIsSilent_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");  // the last text that was a number
        QTest::newRow("minus alone") << "-" << "0.00";
        QTest::newRow("trailing point") << "3." << "3.00";
        QTest::newRow("minus inside") << "1-2" << "1.00";
        QTest::newRow("letters") << "ab" << "0.00";
    }
    void halfTypedOffsetIsSilent()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        focusInto(form.XShiftEdit);
        form.XShiftEdit->selectAll();
        QTest::keyClicks(form.XShiftEdit, typed);
        QVERIFY2(m_bills->messages().shown().isEmpty(), qPrintable(m_bills->shownTexts()));
        QCOMPARE(m_bills->stored(QStringLiteral("select printf('%.2f', Xmove) from p_NoteList where RefNo = '1001'")), stored);
    }

    // Ctrl+Right three times while typing in a field: 1.5 mm, and the field's text and cursor
    // are as they were. Another screen active, a dialog open: the keys are not taken.
    void ctrlArrowsNudgeWithoutTouchingTheField()
    {
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        QLineEdit *payee = SurfaceControl<QLineEdit>(form, QStringLiteral("收款人名称"));
        QVERIFY(payee);
        form.BtnNew->click();
        focusInto(payee);
        QTest::keyClicks(payee, QStringLiteral("ABCD"));
        payee->setCursorPosition(1);
        QVERIFY(form.nudgeKeys()->isActive());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(payee, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(form.XShiftEdit->text(), QStringLiteral("1.5"));
        QCOMPARE(m_bills->stored(QStringLiteral("select printf('%.2f', Xmove) from p_NoteList where RefNo = '1001'")), QStringLiteral("1.50"));
        QCOMPARE(payee->cursorPosition(), 1);
        QCOMPARE(payee->text(), QStringLiteral("ABCD"));
        QCOMPARE(form.pageScrollBox()->x(), form.leftMargin() + 3);
        QTest::keyClick(payee, Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(form.YShiftEdit->text(), QStringLiteral("0.5"));
        QCOMPARE(form.pageScrollBox()->y(), form.topMargin() + 1);

        // Another screen in front: its keys are its own.
        m_bills->window().OpenMenuForm(MenuId::ChequeRegister, 0);
        QMdiSubWindow *register_ = m_bills->window().mdiArea()->activeSubWindow();
        QVERIFY(register_ && register_->widget() != &form);
        QVERIFY(!form.nudgeKeys()->isActive());
        QTest::keyClick(register_->widget(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(form.XShiftEdit->text(), QStringLiteral("1.5"));
        m_bills->window().mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(form.parentWidget()));
        QVERIFY(form.nudgeKeys()->isActive());

        // A modal dialog over the form.
        QDialog dialog(&form);
        dialog.setModal(true);
        dialog.show();
        QTRY_VERIFY(QApplication::activeModalWidget() == &dialog);
        QVERIFY(!form.nudgeKeys()->isActive());
        QTest::keyClick(&dialog, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(form.XShiftEdit->text(), QStringLiteral("1.5"));
        dialog.close();
    }

    // Twice in, then back: every control at its exact base geometry; the factor stored with two
    // decimals; a format stored at 1.10 reopens at 1.10.
    void zoomRestoresTheBaseGeometry()
    {
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        form.parentWidget()->showMaximized();
        keepScreenshot(&m_bills->window(), QStringLiteral("billform-at-1"));
        const QMap<QString, QRect> base = pageGeometry(form);
        TtavDBCurrencyEdit *amount = SurfaceControl<TtavDBCurrencyEdit>(form, QStringLiteral("金额"));
        QCOMPARE(amount->geometry(), QRect(641, 141, 249, 33));

        form.Image4->click();
        form.Image4->click();
        QCOMPARE(form.zoomFactor(), 1.10);
        QCOMPARE(m_bills->stored(QStringLiteral("select printf('%.2f', ZoomFactor) from p_NoteList where RefNo = '1001'")), QStringLiteral("1.10"));
        QCOMPARE(amount->geometry(), QRect(705, 155, 274, 36));
        const QSize basePage = base.value(QStringLiteral("page")).size();
        QCOMPARE(form.page()->size(), QSize(int(std::nearbyint(basePage.width() * 1.1)), int(std::nearbyint(basePage.height() * 1.1))));
        keepScreenshot(&m_bills->window(), QStringLiteral("billform-zoomed"));

        form.Image3->click();
        form.Image5->click();
        QCOMPARE(form.zoomFactor(), 1.0);
        QCOMPARE(pageGeometry(form), base);
        QCOMPARE(m_bills->stored(QStringLiteral("select printf('%.2f', ZoomFactor) from p_NoteList where RefNo = '1001'")), QStringLiteral("1.00"));

        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set ZoomFactor = 1.1 where RefNo = '1001'"));
        QPointer<QWidget> closed = form.parentWidget();
        QVERIFY(closed->close());
        QTRY_VERIFY(!closed);
        TEditNoteForm &reopened = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        QCOMPARE(reopened.zoomFactor(), 1.10);
        QCOMPARE(SurfaceControl<TtavDBCurrencyEdit>(reopened, QStringLiteral("金额"))->geometry(), QRect(705, 155, 274, 36));
        reopened.Image5->click();
        QCOMPARE(pageGeometry(reopened), base);
    }

    // The page area is the room the window leaves: larger window, larger area.
    void pageAreaFollowsTheWindow()
    {
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        QWidget *sub = form.parentWidget();
        sub->showNormal();
        sub->resize(700, 500);
        QTRY_VERIFY(form.pageScrollBox()->width() < 700);
        const QSize small = form.pageScrollBox()->size();
        sub->resize(1150, 720);
        QTRY_VERIFY(form.pageScrollBox()->width() > small.width());
        QCOMPARE(form.pageScrollBox()->width(), form.page()->width() + 30);
    }

    // The vendor's side pages: hidden and never fetched while the network is not up; shown
    // and fetched from the vendor's host (a setting) at the next tick once it is.
    void sidePanelsOnlyWhileTheNetworkIsUp()
    {
        TinyHttpServer server;
        server.setReply(200, "<html><body><p>本周新增单据</p></body></html>");
        qputenv("QUILLET_VENDOR_URL", server.url().toUtf8());
        const auto unset = qScopeGuard([] {
            qunsetenv("QUILLET_VENDOR_URL");
            IsNetConnected = false;
        });
        IsNetConnected = false;
        TEditNoteForm &form = m_bills->openFormat(BillFormWindow::kChequeRefNo);
        QVERIFY(!form.WebBrowserLeft->isVisibleTo(&form) && !form.WebBrowserBottom->isVisibleTo(&form));
        auto *tick = form.findChild<QTimer *>(QStringLiteral("Timer2"));
        QVERIFY(tick);
        QCOMPARE(tick->interval(), 300000);
        QTest::qWait(50);
        QVERIFY(server.request().isEmpty());

        IsNetConnected = true;
        QSignalSpy shown(form.WebBrowserLeft, &VendorPagePanel::pageShown);
        tick->setInterval(1);
        QVERIFY(shown.wait());
        QVERIFY(form.WebBrowserLeft->isVisibleTo(&form) && form.WebBrowserBottom->isVisibleTo(&form));
        QVERIFY(form.WebBrowserLeft->toPlainText().contains(QStringLiteral("本周新增单据")));
    }

    // A fresh program folder: the page is the cheque's paper, and every text lands on it.
    void firstPrintLandsWholeOnItsPage()
    {
        TEditNoteForm &form = savedCheque();
        const QSize picture = form.page()->size();  // 96 dots per inch
        const QString pdf = printWithButton(form, QStringLiteral("first"));
        const QList<QSizeF> pages = PdfPageSizes(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY2(std::abs(pages.first().width() - picture.width() * 25.4 / 96) < 0.5
                     && std::abs(pages.first().height() - picture.height() * 25.4 / 96) < 0.5,
                 qPrintable(QStringLiteral("%1 x %2").arg(pages.first().width()).arg(pages.first().height())));
        const QList<PdfWord> words = PdfWords(pdf);
        QVERIFY(words.size() > 5);
        const QRectF page(QPointF(), pages.first());
        for (const PdfWord &word : words)
            QVERIFY2(page.contains(word.mm), qPrintable(word.text));
    }

    // Paper the user chose that is narrower than the format: refused, nothing printed.
    void narrowerPaperIsRefused()
    {
        TEditNoteForm &form = savedCheque();
        PrinterSetupSeam::setHandler([] {
            CurrentPrinter().setPageLayout(QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF()));
            return true;
        });
        const QString pdf = printWithButton(form, QStringLiteral("narrow"));
        QVERIFY(!QFile::exists(pdf));
        QVERIFY2(m_bills->messages().lastText().contains(QStringLiteral("纸张")), qPrintable(m_bills->shownTexts()));
    }
};

QTEST_MAIN(TestBillFormLayout)
#include "tst_billformlayout.moc"
