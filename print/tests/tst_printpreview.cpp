#include "helpers/MessageRecorder.h"
#include "helpers/PrintFixture.h"
#include "MessageScript.h"

#include "bills/printing/BillPrintEngine.h"
#include "bills/printing/TPreviewForm.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/messages/MessageNames.h"
#include "core/messages/WindowMessages.h"

#include <QPushButton>
#include <QtTest>

// The preview window over the picture.
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
        m_fixture.reset();
    }

    void previewShowsTheTextsOverThePicture()
    {
        m_fixture->setOffsets(2.0, 1.25);
        QWidget billForm;
        MessageRecorder billFormHandle;
        BillPrintEngine engine(CurAdo, &billForm, billFormHandle.Handle());
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
        QWidget billForm;
        MessageRecorder billFormHandle;
        BillPrintEngine engine(CurAdo, &billForm, billFormHandle.Handle());
        QVERIFY(engine.preview(PrintFixture::kNoteName, m_fixture->bill(1)));
        TPreviewForm *preview = engine.previewForm();

        QTest::mouseClick(preview->printButton(), Qt::LeftButton);
        QCOMPARE(billFormHandle.received.size(), 1);
        QVERIFY(IsMessage(billFormHandle.received.first(), MsgPreviewPrint));
        QCOMPARE(billFormHandle.received.first().WParam, 0);
        QCOMPARE(billFormHandle.received.first().LParam, 0);
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
};

QTEST_MAIN(TestPrintPreview)
#include "tst_printpreview.moc"
