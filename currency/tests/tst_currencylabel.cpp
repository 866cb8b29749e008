#include "helpers/CellInk.h"
#include "tav/TtavCurrencyEdit.h"
#include "tav/TtavCurrencyLabel.h"

#include <QtTest>

namespace {

QList<int> LineColumns(const QImage &image, int y, int from, int to, const QColor &background)
{
    QList<int> columns;
    for (int x = from; x <= to; ++x) {
        if (image.pixelColor(x, y) != background)
            columns << x;
    }
    return columns;
}

QList<int> NamedCells(TtavCurrencyLabel &label)
{
    const int b = label.BorderWidth();
    return InkedCells(label.grab().toImage(), label.rect().adjusted(b, b, -b, -b), label.Geometry(), label.Color());
}

} // namespace

class TestCurrencyLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults()
    {
        TtavCurrencyLabel label;
        QCOMPARE(label.size(), QSize(121, 25));
        QCOMPARE(label.focusPolicy(), Qt::NoFocus);
        QCOMPARE(label.DigitalSymbols().size(), 13);
        QCOMPARE(label.DigitalSymbols().first(), QStringLiteral("元"));
        QCOMPARE(label.DecimalSymbols(), QStringList({"角", "分"}));
        QCOMPARE(label.BorderWidth(), 2);
        label.SetCtl3D(false);
        QCOMPARE(label.BorderWidth(), 1);
        label.SetDecimalNumber(11);
        QCOMPARE(label.DecimalNumber(), 2);
        label.SetDecimalNumber(10);
        QCOMPARE(label.DecimalNumber(), 10);
        label.SetDigitalNumber(9);
        QCOMPARE(label.DigitalNumber(), 10);
        label.SetDigitalNumber(40);
        QCOMPARE(label.DigitalNumber(), 40);
    }

    void sunkenFrame()
    {
        TtavCurrencyLabel label;
        const QImage image = label.grab().toImage();
        const int w = label.width(), h = label.height();
        QCOMPARE(image.pixelColor(0, 0), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(w / 2, 1), QColor(Qt::black));
        QCOMPARE(image.pixelColor(w - 1, h / 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(w / 2, h - 2), QColor(0xC0, 0xC0, 0xC0));
    }

    void fixedCellWidthSetsTheWidth()
    {
        TtavCurrencyLabel label;
        label.SetCellWidth(14);
        QCOMPARE(label.width(), 14 * 10 + 9 + 4);
    }

    void namesStandInTheirCells_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QList<int>>("named");
        QTest::newRow("more cells than names") << 17 << 2 << QList<int>({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
        QTest::newRow("no decimals") << 5 << 0 << QList<int>({0, 1, 2, 3, 4});
    }

    void namesStandInTheirCells()
    {
        QFETCH(int, cells);
        QFETCH(int, decimals);
        QFETCH(QList<int>, named);
        TtavCurrencyLabel label;
        label.setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 9));
        label.resize(cells * 20 + 4, 25);
        label.SetDigitalNumber(cells);
        label.SetDecimalNumber(decimals);
        QCOMPARE(NamedCells(label), named);
        QCOMPARE(label.Content().Cells.at(cells - decimals - 1), QStringLiteral("元"));
        label.SetDigitalSymbols({});
        label.SetDecimalSymbols({});
        QCOMPARE(NamedCells(label), QList<int>());
    }

    void headerLinesUpWithTheBox()
    {
        // As the bill form places them: same left and width, both flat.
        TtavCurrencyLabel label;
        TtavCurrencyEdit edit;
        for (QWidget *w : {static_cast<QWidget *>(&label), static_cast<QWidget *>(&edit)})
            w->resize(183, 24);
        label.SetCtl3D(false);
        edit.SetCtl3D(false);
        label.SetDigitalSymbols({});
        label.SetDecimalSymbols({});
        const QImage header = label.grab().toImage();
        const QImage box = edit.grab().toImage();
        const QList<int> lines = LineColumns(header, 12, 1, 181, label.Color());
        QCOMPARE(lines.size(), 9);
        QCOMPARE(LineColumns(box, 12, 1, 181, edit.Color()), lines);
        for (int x : lines)
            QCOMPARE(header.pixelColor(x, 12), box.pixelColor(x, 12));
    }
};

QTEST_MAIN(TestCurrencyLabel)
#include "tst_currencylabel.moc"
