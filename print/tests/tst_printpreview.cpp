#include "helpers/PrintFixture.h"
#include "MessageScript.h"

#include "bills/printing/BillPrintEngine.h"
#include "bills/printing/ChequePrintCheck.h"
#include "bills/printing/TPreviewForm.h"
#include "core/dataset/DataSet.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/MessageReceiver.h"
#include "core/messages/WindowMessages.h"

#include <QPushButton>
#include <QtTest>

namespace {

// Stands in for the bill form: records the messages it receives.
class BillFormStandIn : public QWidget, public MessageReceiver
{
public:
    BillFormStandIn() : MessageReceiver(this) {}
    void WndProc(const WindowMessage &message) override
    {
        received.append(message);
        MessageReceiver::WndProc(message);
    }
    QList<WindowMessage> received;
};

} // namespace

// The preview window over the picture, and the cheque check before printing.
class TestPrintPreview : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PrintFixture> m_fixture;

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PrintFixture>();
    }
    void cleanup()
    {
        SetChequeRegisterMark({});
        m_fixture.reset();
    }

    void previewShowsTheTextsOverThePicture()
    {
        m_fixture->setOffsets(2.0, 1.25);
        BillFormStandIn billForm;
        BillPrintEngine engine(CurAdo, &billForm, billForm.Handle());
        QVERIFY(engine.preview(PrintFixture::kNoteName, m_fixture->bill(1)));
        QCOMPARE(engine.lastPrintedFormat(), PrintFixture::kNoteName);

        TPreviewForm *preview = engine.previewForm();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(preview->parentWidget(), &billForm);
        QCOMPARE(preview->windowTitle(), QStringLiteral("PreviewForm"));
        QCOMPARE(preview->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(preview->printButton()->text(), QStringLiteral("打印"));
        QCOMPARE(preview->printButton()->geometry(), QRect(8, 8, 75, 25));
        QCOMPARE(preview->size(), QSize(800 + 50, 400 + 50));
        QVERIFY(preview->hasPicture());

        // At screen scale, moved by the offset in half millimetres (2.0 mm: 4, 1.25 mm: 2).
        QCOMPARE(preview->itemCount(), 23);
        QCOMPARE(preview->items().first().text, QStringLiteral("华东机电公司"));
        QCOMPARE(preview->items().first().rect, QRect(64, 42, 300, 30));

        // Every preview is a window of its own.
        QVERIFY(engine.preview(PrintFixture::kNoteName, m_fixture->bill(2)));
        QVERIFY(engine.previewForm() != preview);
        QVERIFY(preview->isVisible());
    }

    void printButtonAsksTheBillFormAndCloses()
    {
        BillFormStandIn billForm;
        BillPrintEngine engine(CurAdo, &billForm, billForm.Handle());
        QVERIFY(engine.preview(PrintFixture::kNoteName, m_fixture->bill(1)));
        TPreviewForm *preview = engine.previewForm();

        QTest::mouseClick(preview->printButton(), Qt::LeftButton);
        QCOMPARE(billForm.received.size(), 1);
        QVERIFY(IsMessage(billForm.received.first(), MsgPreviewPrint));
        QCOMPARE(billForm.received.first().WParam, 0);
        QCOMPARE(billForm.received.first().LParam, 0);
        // Closed means hidden, without its picture; the bill form still owns it.
        QVERIFY(!preview->isVisible());
        QVERIFY(!preview->hasPicture());
        QCOMPARE(engine.previewForm(), preview);
    }

    void previewRefusesWhatPrintingRefuses()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set ImgFile = 'missing.jpg'"));
        MessageScript boxes;
        BillPrintEngine engine(CurAdo, nullptr, 0);
        QVERIFY(!engine.preview(PrintFixture::kNoteName, m_fixture->bill(1)));
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("图片不正确")});
        QVERIFY(!engine.previewForm());
    }

    void chequeNumberCheck_data()
    {
        QTest::addColumn<QString>("switchValue");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("hook");      // 0 none, 1 accepts, 2 refuses
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("asked");
        QTest::newRow("switch off") << "否" << "支票" << "10201" << 2 << true << false;
        QTest::newRow("other kind") << "是" << "快递单" << "10201" << 2 << true << false;
        QTest::newRow("no number") << "是" << "支票" << "  " << 2 << true << false;
        QTest::newRow("registered") << "是" << "支票" << " 10201 " << 1 << true << true;
        QTest::newRow("refused by the register") << "是" << "支票" << "10201" << 2 << false << true;
        QTest::newRow("no register to ask") << "是" << "支票" << "10201" << 0 << false << false;
    }
    void chequeNumberCheck()
    {
        QFETCH(QString, switchValue);
        QFETCH(QString, kind);
        QFETCH(QString, number);
        QFETCH(int, hook);
        ExecTmpQuery(CurAdo, QStringLiteral("update bs_ParaList set ParaValue = ? where ParaName = '打印支票时是否验证支票号码'"), {switchValue});
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set NoteType = ?"), {kind});
        ExecTmpQuery(CurAdo, QStringLiteral("update 测试支票 set 单据号码 = ? where id = 1"), {number});
        QList<ChequeToPrint> asked;
        if (hook != 0) {
            SetChequeRegisterMark([&](const QSqlDatabase &, const ChequeToPrint &cheque) {
                asked.append(cheque);
                return hook == 1;
            });
        }

        MessageScript boxes;
        const BillData bill = m_fixture->bill(1);
        QTEST(WriteCheckNoStatus(CurAdo, PrintFixture::kNoteName, *bill.header), "goesOn");
        QTEST(!asked.isEmpty(), "asked");
        QFETCH(bool, goesOn);
        QCOMPARE(boxes.texts(), goesOn ? QStringList() : QStringList{QStringLiteral("支票已经打印或者作废或者不存在")});
        if (!asked.isEmpty()) {
            const ChequeToPrint &cheque = asked.first();
            QCOMPARE(cheque.number, QStringLiteral("10201"));
            QCOMPARE(cheque.payee, QStringLiteral("华东机电公司"));
            QCOMPARE(cheque.payDate, QDate(2026, 3, 5));
            QCOMPARE(cheque.purpose, QStringLiteral("货款"));
            QCOMPARE(cheque.amount, Currency::fromUnits(12345000));
        }
    }
};

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
