#include "PdfWords.h"
#include "helpers/PrintFixture.h"
#include "ExternalTool.h"
#include "MessageScript.h"

#include "bills/printing/BillPrintEngine.h"
#include "core/crypto/Des.h"
#include "core/globals/PubDm.h"
#include "core/template/PictureSize.h"

#include <QPrinter>
#include <QtTest>

namespace {

constexpr int kPrinterDpi = 300;
constexpr double kMmPerInch = 25.4;

// Millimetres on paper of a picture coordinate: the picture's own dots per inch, plus the
// calibration offset.
double paperMm(int picturePixels, double offsetMm = 0)
{
    return picturePixels * kMmPerInch / PrintFixture::kPictureDpi + offsetMm;
}

enum Anchor { Left, Centre, Right };

// A text expected on paper: where the template puts its left edge, centre or right edge, and
// its top, in picture pixels.
struct ExpectedWord
{
    QString text;
    Anchor anchor;
    int x;
    int top;
};

// Pixel rounding at 300 dpi and the glyphs' side bearings stay well within this.
constexpr double kTolerance = 0.3;

double anchorOf(const PdfWord &word, Anchor anchor)
{
    switch (anchor) {
    case Left:
        return word.mm.left();
    case Centre:
        return word.mm.center().x();
    case Right:
        return word.mm.right();
    }
    return 0;
}

// The word of that text nearest to where it is expected (a digit may stand twice).
const PdfWord *nearest(const QList<PdfWord> &words, const ExpectedWord &want, QPointF mm)
{
    const PdfWord *best = nullptr;
    double bestDistance = 0;
    for (const PdfWord &word : words) {
        if (word.text != want.text)
            continue;
        const double distance = QLineF(QPointF(anchorOf(word, want.anchor), word.mm.top()), mm).length();
        if (!best || distance < bestDistance) {
            best = &word;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

// Bills printed to PDF through QPrinter, read back by poppler.
class TestPrintPdf : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PrintFixture> m_fixture;
    std::unique_ptr<QPrinter> m_printer;
    QString m_pdf;

    BillPrintEngine engine()
    {
        BillPrintEngine engine(CurAdo, nullptr, 0);
        engine.setPrinter(m_printer.get());
        return engine;
    }

    QList<PdfWord> printBill(qint64 billId = 1)
    {
        BillPrintEngine paper = engine();
        if (!paper.printOnPaper(PrintFixture::kNoteName, m_fixture->bill(billId)))
            qFatal("refused");
        return PdfWords(m_pdf);
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PrintFixture>();
        m_pdf = m_fixture->file(QStringLiteral("tmp/bill.pdf"));
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdf);
        m_printer->setResolution(kPrinterDpi);
        m_printer->setPageSize(QPageSize(QPageSize::A4));
        m_printer->setFullPage(true);
        m_printer->setPageMargins(QMarginsF(0, 0, 0, 0));
    }
    void cleanup()
    {
        m_printer.reset();
        m_fixture.reset();
    }

    void textsStandWhereTheTemplatePutsThem()
    {
        const QPointF offset(2.0, 1.0);
        m_fixture->setOffsets(offset.x(), offset.y());
        const QList<PdfWord> words = printBill();

        QList<ExpectedWord> expected = {
            {"华东机电公司", Left, 60, 40},
            {"壹仟贰佰叁拾肆元伍角", Left, 60, 90},
            {"26", Left, 480, 90},
            {"零叁", Left, 560, 90},
            {"零伍", Left, 640, 90},
            {"√", Left, 60, 140},
            {"附言", Left, 120, 140},
        };
        // Digit boxes of 20 pixels from x 480, centred; lowered by (30 - 12) / 2 pixels.
        const QStringList digits = {"￥", "1", "2", "3", "4", "5", "0"};
        for (int i = 0; i < digits.size(); ++i)
            expected.append({digits.at(i), Centre, 480 + 20 * (4 + i) + 10, 49});
        const QList<QStringList> rows = {{"螺丝", "100", "12.50"}, {"垫片", "20", "3.00"}, {"扳手", "2", "56.78"}};
        for (int row = 0; row < rows.size(); ++row) {
            expected.append({rows[row][0], Left, 60, 200 + 40 * row});
            expected.append({rows[row][1], Right, 480, 200 + 40 * row});
            expected.append({rows[row][2], Right, 700, 200 + 40 * row});
        }

        QCOMPARE(words.size(), expected.size());
        for (const ExpectedWord &want : expected) {
            const QPointF mm(paperMm(want.x, offset.x()), paperMm(want.top, offset.y()));
            const PdfWord *found = nearest(words, want, mm);
            QVERIFY2(found, qPrintable(want.text));
            QVERIFY2(qAbs(anchorOf(*found, want.anchor) - mm.x()) < kTolerance,
                     qPrintable(QStringLiteral("%1 x %2 mm, expected %3").arg(want.text).arg(anchorOf(*found, want.anchor)).arg(mm.x())));
            QVERIFY2(qAbs(found->mm.top() - mm.y()) < kTolerance,
                     qPrintable(QStringLiteral("%1 y %2 mm, expected %3").arg(want.text).arg(found->mm.top()).arg(mm.y())));
        }
    }

    void calibrationShiftsEveryTextByTheOffset_data()
    {
        QTest::addColumn<QPointF>("offsetMm");
        QTest::newRow("right and down") << QPointF(5.0, 3.0);
        QTest::newRow("left and up") << QPointF(-1.5, -0.8);
    }
    void calibrationShiftsEveryTextByTheOffset()
    {
        QFETCH(QPointF, offsetMm);
        const QList<PdfWord> unmoved = printBill();
        m_fixture->setOffsets(offsetMm.x(), offsetMm.y());
        const QList<PdfWord> moved = printBill();

        // The offset in whole printer pixels, as millimetres.
        const QPointF shift(std::nearbyint(offsetMm.x() / kMmPerInch * kPrinterDpi) * kMmPerInch / kPrinterDpi,
                            std::nearbyint(offsetMm.y() / kMmPerInch * kPrinterDpi) * kMmPerInch / kPrinterDpi);
        QCOMPARE(moved.size(), unmoved.size());
        for (qsizetype i = 0; i < moved.size(); ++i) {
            QCOMPARE(moved[i].text, unmoved[i].text);
            QVERIFY(qAbs(moved[i].mm.left() - unmoved[i].mm.left() - shift.x()) < 0.01);
            QVERIFY(qAbs(moved[i].mm.top() - unmoved[i].mm.top() - shift.y()) < 0.01);
        }
    }

    void onlyTextsReachThePaper()
    {
        printBill();
        const ToolRun images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), m_pdf});
        QCOMPARE(images.exitCode, 0);
        // Only the two heading lines: no image in the document.
        QCOMPARE(QString::fromUtf8(images.output).trimmed().split(QLatin1Char('\n')).size(), 2);

        // Windows font names of the fields are printed in their installed substitutes.
        const QString fonts = QString::fromUtf8(runTool(QStringLiteral("pdffonts"), {m_pdf}).output);
        for (const char *family : {"UMingCN", "UKaiCN", "WenQuanYiZenHei", "LiberationSans"})
            QVERIFY2(fonts.contains(QLatin1String(family)), family);
    }

    void batchPrintsOnePagePerBillInOneDocument()
    {
        iCurOpenAutoid = 1;
        QList<qint64> opened;
        BillPrintEngine paper = engine();
        QVERIFY(paper.printBatch(PrintFixture::kNoteName, {3, 1, 2}, [&](qint64 id) {
            opened.append(id);
            return m_fixture->bill(id);
        }));
        QCOMPARE(opened, (QList<qint64>{3, 1, 2}));
        QCOMPARE(iCurOpenAutoid, 0);

        QStringList payees;
        int pages = 0;
        for (const PdfWord &word : PdfWords(m_pdf)) {
            pages = std::max(pages, word.page);
            // The payee's box: the first line, left of the amount boxes.
            if (word.mm.top() < paperMm(70) && word.mm.left() < paperMm(400))
                payees.append(QStringLiteral("%1:%2").arg(word.page).arg(word.text));
        }
        QCOMPARE(pages, 3);
        QCOMPARE(payees, (QStringList{"1:北方物流站", "2:华东机电公司", "3:南方五金厂"}));
    }

    void unusablePaperWidthRefusesBeforeTheDocument()
    {
        const QString key = PictureSizeKey(PrintFixture::kPictureFile);
        m_fixture->setPaperSizeTexts(DesEncryStrHex(QStringLiteral("0.000000"), key), DesEncryStrHex(QStringLiteral("4.000000"), key));
        MessageScript boxes;
        BillPrintEngine paper = engine();
        QVERIFY(!paper.printOnPaper(PrintFixture::kNoteName, m_fixture->bill(1)));
        QVERIFY(!paper.printBatch(PrintFixture::kNoteName, {1, 2}, [&](qint64 id) { return m_fixture->bill(id); }));
        QCOMPARE(boxes.texts().size(), 2);
        QVERIFY(boxes.lastText().contains(QStringLiteral("纸张尺寸不正确")));
        QVERIFY(!QFile::exists(m_pdf));
    }
};

QTEST_MAIN(TestPrintPdf)
#include "tst_printpdf.moc"
