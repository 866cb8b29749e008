#include "helpers/CellInk.h"
#include "tav/DrawCurrencyFrame.h"
#include "tav/TavCellGeometry.h"
#include "tav/TtavCurrencyEdit.h"

#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor Outside(255, 0, 255);

// A 10-cell box drawn into 105 x 30 pixels at (10, 5): cells of 9 pixels, a 6-pixel strip.
const QRect Box(10, 5, 105, 30);

QImage Draw(const TtavCustomCurrencyEdit &edit, long double value, const QRect &rect = Box)
{
    QImage image(rect.right() + 11, rect.bottom() + 6, QImage::Format_RGB32);
    image.fill(Outside);
    QPainter painter(&image);
    DrawCurrencyFrame(painter, rect, edit, value);
    return image;
}

struct Word
{
    QString text;
    double xMin, yMin, xMax, yMax;
};

// Prints with `paint` onto a PDF page at 300 dots per inch, the device origin at the page's corner.
template <typename Paint> void PrintToPdf(const QString &file, Paint paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setResolution(300);
    printer.setFullPage(true);
    QPainter painter(&printer);
    paint(painter, printer);
}

QList<Word> WordsOf(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.append({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                      m.captured(4).toDouble()});
    }
    return words;
}

} // namespace

class TestCurrencyFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gridLinesAtTheirPositionsAndColours()
    {
        TtavCurrencyEdit edit;
        const QImage image = Draw(edit, 0);
        const auto geometry = TavCellGeometry::Automatic(Box.width(), 10, 1);
        QCOMPARE(geometry.CellWidth(), 9);
        QCOMPARE(geometry.LeftOffset(), 6);
        const QColor silver(192, 192, 192), red(255, 0, 0), black(0, 0, 0);
        const QList<QColor> lineColours = {silver, black, silver, silver, black, silver, silver, red, silver};
        QList<int> lineColumns;
        for (int x = Box.left(); x <= Box.right(); ++x) {
            if (image.pixelColor(x, Box.top() + 3) != edit.Color())
                lineColumns << x;
        }
        QCOMPARE(lineColumns, QList<int>({25, 35, 45, 55, 65, 75, 85, 95, 105}));
        for (int i = 0; i < lineColumns.size(); ++i) {
            QCOMPARE(image.pixelColor(lineColumns[i], Box.top()), lineColours[i]);
            QCOMPARE(image.pixelColor(lineColumns[i], Box.bottom()), lineColours[i]);
        }
        // Nothing outside the rectangle is touched.
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(image.pixelColor(x, Box.top() - 1), Outside);
            QCOMPARE(image.pixelColor(x, Box.bottom() + 1), Outside);
        }
        QCOMPARE(image.pixelColor(Box.left() - 1, Box.top() + 3), Outside);
        QCOMPARE(image.pixelColor(Box.right() + 1, Box.top() + 3), Outside);
    }

    void zeroEmptyPaintsOnlyBackgroundAndLines()
    {
        TtavCurrencyEdit edit;
        const QImage image = Draw(edit, 0);
        const auto geometry = TavCellGeometry::Automatic(Box.width(), 10, 1);
        for (int cell = 0; cell < 10; ++cell) {
            const int left = Box.left() + geometry.CellLeft(cell);
            for (int x = left; x < left + geometry.CellSpan(cell); ++x)
                for (int y = Box.top(); y <= Box.bottom(); ++y)
                    QCOMPARE(image.pixelColor(x, y), edit.Color());
        }
        edit.SetZeroEmpty(false);
        QCOMPARE(InkedCells(Draw(edit, 0), Box, geometry, edit.Color()), QList<int>({6, 7, 8, 9}));
    }

    void negativeAmounts_data()
    {
        QTest::addColumn<bool>("showSign");
        QTest::addColumn<bool>("showColour");
        QTest::addColumn<QList<int>>("inked");
        // -3.50: symbol, minus, 3, 5, 0 in cells 5 to 9; without the sign one cell fewer.
        QTest::newRow("with sign") << true << false << QList<int>({5, 6, 7, 8, 9});
        QTest::newRow("without sign") << false << false << QList<int>({6, 7, 8, 9});
        QTest::newRow("negative colour") << true << true << QList<int>({5, 6, 7, 8, 9});
    }

    void negativeAmounts()
    {
        QFETCH(bool, showSign);
        QFETCH(bool, showColour);
        QFETCH(QList<int>, inked);
        TtavCurrencyEdit edit;
        edit.SetShowNegativeSign(showSign);
        edit.SetShowNegativeColor(showColour);
        edit.SetNegativeColor(QColor(255, 200, 200));
        const QImage image = Draw(edit, -3.5L);
        const QColor background = showColour ? QColor(255, 200, 200) : edit.Color();
        QCOMPARE(image.pixelColor(Box.left() + 1, Box.top() + 1), background);
        QCOMPARE(InkedCells(image, Box, TavCellGeometry::Automatic(Box.width(), 10, 1), background), inked);
    }

    void painterLeftAsFound()
    {
        TtavCurrencyEdit edit;
        QImage image(200, 50, QImage::Format_RGB32);
        QPainter painter(&image);
        const QFont font(QStringLiteral("WenQuanYi Zen Hei"), 20);
        painter.setFont(font);
        painter.setPen(QPen(Qt::green, 3));
        painter.setBrush(Qt::blue);
        DrawCurrencyFrame(painter, QRect(0, 0, 150, 40), edit, -12.34L);
        QCOMPARE(painter.font(), font);
        QCOMPARE(painter.pen(), QPen(Qt::green, 3));
        QCOMPARE(painter.brush(), QBrush(Qt::blue));
        QVERIFY(!painter.hasClipping());
    }

    void digitsOnPaperWhereTheCellsAre()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("amount.pdf"));
        TtavCurrencyEdit edit;
        edit.setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 12));
        edit.SetDigitalNumber(11);
        const QRect rect(300, 300, 1100, 100);
        int digitOffset = 0;
        int symbolOffset = 0;
        PrintToPdf(pdf, [&](QPainter &painter, QPrinter &printer) {
            const QFontMetrics metrics(edit.font(), &printer);
            const auto geometry = TavCellGeometry::Automatic(rect.width(), 11, 1);
            digitOffset = (geometry.CellWidth() - metrics.horizontalAdvance(QStringLiteral("0"))) / 2;
            symbolOffset = (geometry.CellWidth() - metrics.horizontalAdvance(edit.CurrencySymbol())) / 2;
            DrawCurrencyFrame(painter, rect, edit, 1234.56L);
        });
        const QList<Word> words = WordsOf(pdf);
        QStringList texts;
        for (const Word &w : words)
            texts << w.text;
        QCOMPARE(texts, QStringList({edit.CurrencySymbol(), "1", "2", "3", "4", "5", "6"}));

        // 11 cells over 1100 pixels: cells of 99, one pixel of strip; "1234.56" starts in cell 5.
        const auto geometry = TavCellGeometry::Automatic(rect.width(), 11, 1);
        const double pointsPerPixel = 72.0 / 300.0;
        QVERIFY(qAbs(words[0].xMin - (rect.left() + geometry.CellLeft(4) + symbolOffset) * pointsPerPixel) < 0.5);
        for (int i = 1; i < words.size(); ++i) {
            const double expected = (rect.left() + geometry.CellLeft(4 + i) + digitOffset) * pointsPerPixel;
            QVERIFY2(qAbs(words[i].xMin - expected) < 0.5,
                     qPrintable(QStringLiteral("%1 at %2, expected %3").arg(words[i].text).arg(words[i].xMin).arg(expected)));
            QCOMPARE(words[i].yMin, words[1].yMin);
            QVERIFY(words[i].yMin >= rect.top() * pointsPerPixel && words[i].yMax <= rect.bottom() * pointsPerPixel);
        }
    }

    void gridOnPaperMatchesTheImage()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("grid.pdf"));
        TtavCurrencyEdit edit;
        const QRect rect(100, 100, 1100, 100);
        PrintToPdf(pdf, [&](QPainter &painter, QPrinter &) { DrawCurrencyFrame(painter, rect, edit, 0); });
        QProcess render;
        render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-aa"),
                                                  QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                                                  QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf,
                                                  dir.filePath(QStringLiteral("grid"))});
        QVERIFY(render.waitForFinished(30000));
        QCOMPARE(render.exitCode(), 0);
        const QImage paper(dir.filePath(QStringLiteral("grid.png")));
        QVERIFY(!paper.isNull());
        const QImage screen = Draw(edit, 0, rect);
        for (int x = rect.left(); x <= rect.right(); ++x)
            QCOMPARE(paper.pixelColor(x, rect.center().y()).rgb(), screen.pixelColor(x, rect.center().y()).rgb());
    }
};

QTEST_MAIN(TestCurrencyFrame)
#include "tst_currencyframe.moc"
