#include "helpers/PrintFixture.h"

#include "bills/form/BatchBills.h"
#include "bills/printing/BillLayout.h"
#include "bills/printing/PaperLayout.h"
#include "bills/printing/PrintBoxes.h"
#include "bills/printing/PrintItemPainter.h"
#include "bills/printing/PrintRefusal.h"
#include "bills/printing/PrintTextForm.h"
#include "core/crypto/Des.h"
#include "core/db/AdoFunc.h"
#include "core/globals/PubDm.h"
#include "core/printfun/Alignment.h"
#include "core/template/PictureSize.h"

#include <QPainter>

#include <QtTest>

namespace {

struct Expected
{
    QString text;
    QRect rect;
    int flags;
};

QStringList textsOf(const QList<PrintBox> &boxes)
{
    QStringList texts;
    for (const PrintBox &box : boxes)
        texts.append(box.text);
    return texts;
}

QList<int> leftsOf(const QList<PrintBox> &boxes)
{
    QList<int> lefts;
    for (const PrintBox &box : boxes)
        lefts.append(box.x);
    return lefts;
}

QString paperCipher(const QString &text)
{
    return DesEncryStrHex(text, PictureSizeKey(PrintFixture::kPictureFile));
}

} // namespace

// Where each text of a bill lands on its template, and on a printer's pixels.
class TestPrintLayout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PrintFixture> m_fixture;

    QList<PrintItem> layOut(qint64 billId = 1)
    {
        return LayOutBill(LoadPrintTemplate(CurAdo, PrintFixture::kNoteName), m_fixture->bill(billId));
    }

    // The texts standing in one field's rectangle.
    QStringList textsAt(const QList<PrintItem> &items, const QRect &rect)
    {
        QStringList texts;
        for (const PrintItem &item : items) {
            if (item.rect == rect)
                texts.append(item.text);
        }
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<PrintFixture>();
    }
    void cleanup()
    {
        m_fixture.reset();
    }

    void placesEveryPrintedTextOfTheBill()
    {
        QList<Expected> expected = {
            {"华东机电公司", {60, 40, 300, 30}, 4},
            {"壹仟贰佰叁拾肆元伍角", {60, 90, 400, 30}, 4},
            {"26", {480, 90, 60, 30}, 4},
            {"零叁", {560, 90, 60, 30}, 4},
            {"零伍", {640, 90, 60, 30}, 4},
            {"√", {60, 140, 20, 20}, 4},
            {"附言", {120, 140, 60, 30}, 4},
        };
        // 1234.50 in 11 boxes of 20 pixels, centred on the field's height by the 12 points.
        const QStringList digits = {"￥", "1", "2", "3", "4", "5", "0"};
        for (int i = 0; i < digits.size(); ++i)
            expected.append({digits.at(i), {480 + 20 * (4 + i), 40 + (30 - 12) / 2, 20, 30}, 5});
        // The grid's rows at its step of 160 / 4 pixels, although the grid itself is not
        // marked for printing; the column marked 否 stays out.
        const QList<QStringList> rows = {{"螺丝", "100", "12.50"}, {"垫片", "20", "3.00"}, {"扳手", "2", "56.78"}};
        for (int row = 0; row < rows.size(); ++row) {
            const int y = 200 + 40 * row;
            expected.append({rows[row][0], {60, y, 300, 40}, 4});
            expected.append({rows[row][1], {380, y, 100, 40}, 6});
            expected.append({rows[row][2], {500, y, 200, 40}, 6});
        }

        const QList<PrintItem> items = layOut();
        QCOMPARE(items.size(), expected.size());
        for (const Expected &want : expected) {
            const auto found = std::find_if(items.cbegin(), items.cend(), [&](const PrintItem &item) {
                return item.text == want.text && item.rect == want.rect;
            });
            QVERIFY2(found != items.cend(), qPrintable(want.text));
            QCOMPARE(found->flags, want.flags);
        }
        const auto tick = std::find_if(items.cbegin(), items.cend(), [](const PrintItem &item) { return item.text == "√"; });
        QVERIFY(tick->font.bold());
        QCOMPARE(tick->font.pointSize(), 12);
        QCOMPARE(items.first().font.family(), QStringLiteral("宋体")); // the stored name; matching substitutes it
    }

    void fieldTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qint64>("billId");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("tick set") << "勾选框" << "现金" << "现金" << qint64(1) << QStringList{"√"};
        QTest::newRow("tick clear") << "勾选框" << "现金" << "现金" << qint64(2) << QStringList{};
        QTest::newRow("one of several, its caption") << "多项勾选" << "用途" << " 货款 " << qint64(1) << QStringList{"√"};
        QTest::newRow("one of several, another") << "多项勾选" << "用途" << "运费" << qint64(1) << QStringList{};
        QTest::newRow("bit 3 of 5") << "多项勾选2" << "选项" << "3" << qint64(1) << QStringList{"√"};
        QTest::newRow("bit 2 of 5") << "多项勾选2" << "选项" << "2" << qint64(1) << QStringList{};
        QTest::newRow("bit kind, older name") << "多项勾选_多个" << "选项" << "1" << qint64(1) << QStringList{"√"};
        QTest::newRow("column missing: caption") << "编辑器" << "没有的列" << "替代" << qint64(1) << QStringList{"替代"};
        QTest::newRow("amount without column: caption") << "小写金额" << "没有的列" << "金额" << qint64(1) << QStringList{"金额"};
        QTest::newRow("no column named: never printed") << "编辑器" << "" << "空" << qint64(1) << QStringList{};
        QTest::newRow("amount as text") << "文本显示" << "金额" << "" << qint64(1) << QStringList{"1234.50"};
    }
    void fieldTexts()
    {
        QFETCH(QString, kind);
        QFETCH(QString, column);
        QFETCH(QString, caption);
        QFETCH(qint64, billId);
        QFETCH(QStringList, texts);
        ExecTmpQuery(CurAdo, QStringLiteral("update 测试支票 set 现金 = 0 where id = 2"));
        m_fixture->setField(1006, "FieldEditType", kind);
        m_fixture->setField(1006, "DbFieldName", column);
        m_fixture->setField(1006, "CtlCName", caption);
        QCOMPARE(textsAt(layOut(billId), QRect(60, 140, 20, 20)), texts);
    }

    void fieldMarkedNotPrintedStaysOff()
    {
        m_fixture->setField(1000, "NeedPrint", "否");
        QVERIFY(textsAt(layOut(), QRect(60, 40, 300, 30)).isEmpty());
    }

    void gridRowsBeyondItsLinesContinueBelow_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("5 lines, 7 rows") << 5 << QList<int>{200, 232, 264, 296, 328, 360, 392};
        QTest::newRow("3 lines: step 53.3") << 3 << QList<int>{200, 253, 307, 360, 413, 467, 520};
        QTest::newRow("0 lines counts as 1") << 0 << QList<int>{200, 360, 520, 680, 840, 1000, 1160};
    }
    void gridRowsBeyondItsLinesContinueBelow()
    {
        QFETCH(int, lines);
        QFETCH(QList<int>, tops);
        m_fixture->setField(PrintFixture::kGridTag, "GridLineNum", lines);
        m_fixture->addDetailRows(1, 4);
        QList<int> found;
        for (const PrintItem &item : layOut()) {
            if (item.rect.x() == 60 && item.rect.y() >= 200)
                found.append(item.rect.y());
        }
        QCOMPARE(found, tops);
    }

    // A batch read in blocks lays out each bill as reading that bill alone does, across block
    // ends, with a bill that is gone and one asked for twice.
    void batchBlocksGiveEachBillItsOwnRows()
    {
        m_fixture->addDetailRows(3, 3);
        m_fixture->addDetailRows(1, 2);
        m_fixture->addDetailRows(3, 1);
        DataSet formats;
        formats.setSql(QStringLiteral("select * from 测试支票 where 1=2"));
        formats.open();
        const QList<qint64> ids{3, 1, 99, 2, 3};
        BatchBills batch(CurAdo, QStringLiteral("测试支票"), {{QStringLiteral("测试支票明细"), PrintFixture::kGridTag}}, formats, ids, 2);
        const BillLayout layout(LoadPrintTemplate(CurAdo, PrintFixture::kNoteName));
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const QList<PrintItem> batched = layout.layOut(batch.bill(i));
            QCOMPARE(batched, layOut(ids[i]));
        }
    }

    void gridsMatchTheirRowsByTag()
    {
        BillData bill = m_fixture->bill(1);
        const_cast<DataSet *>(bill.details.first().set)->setTag(PrintFixture::kGridTag + 1);
        const QList<PrintItem> items = LayOutBill(LoadPrintTemplate(CurAdo, PrintFixture::kNoteName), bill);
        QVERIFY(std::none_of(items.cbegin(), items.cend(), [](const PrintItem &item) { return item.text == "螺丝"; }));

        m_fixture->setField(1009, "DbFieldName", "没有的列");
        QVERIFY_THROWS_EXCEPTION(CorvaneError, layOut());
    }

    void digitBoxes_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("lefts");
        QTest::addColumn<int>("boxWidth");
        QTest::newRow("0 means 11 boxes") << qint64(12345000) << 220 << 0
                                          << QStringList{"", "", "", "", "￥", "1", "2", "3", "4", "5", "0"}
                                          << QList<int>{0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200} << 20;
        QTest::newRow("fen rightmost at round(2 x 100/3)") << qint64(12300) << 100 << 3 << QStringList{"1", "2", "3"}
                                                          << QList<int>{0, 33, 67} << 33;
        QTest::newRow("halves to even") << qint64(12300) << 10 << 4 << QStringList{"￥", "1", "2", "3"}
                                        << QList<int>{0, 2, 5, 8} << 2;
    }
    void digitBoxes()
    {
        QFETCH(qint64, units);
        QFETCH(int, width);
        QFETCH(int, count);
        const QList<PrintBox> boxes = DigitBoxes(Currency::fromUnits(units), width, count);
        // Listed from the left.
        QList<PrintBox> fromLeft(boxes.crbegin(), boxes.crend());
        QTEST(textsOf(fromLeft), "texts");
        QTEST(leftsOf(fromLeft), "lefts");
        QTEST(fromLeft.first().width, "boxWidth");
    }

    void spacedBoxes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("short text") << "AB3" << 100 << 5 << QStringList{"A", "B", "3", "", ""} << QList<int>{0, 20, 40, 60, 80};
        QTest::newRow("cells of 22.5") << "支付密码" << 90 << 4 << QStringList{"支", "付", "密", "码"} << QList<int>{0, 22, 45, 68};
        QTest::newRow("longer than its boxes") << "123456" << 40 << 2 << QStringList{"1", "2"} << QList<int>{0, 20};
        QTest::newRow("astral character in one box") << "\U00020000A" << 40 << 2 << QStringList{"\U00020000", "A"} << QList<int>{0, 20};
        QTest::newRow("no boxes set") << "AB" << 40 << 0 << QStringList{} << QList<int>{};
    }
    void spacedBoxes()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(int, count);
        const QList<PrintBox> boxes = SpacedBoxes(text, width, count);
        QTEST(textsOf(boxes), "texts");
        QTEST(leftsOf(boxes), "lefts");
    }

    void textForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("printed");
        QTest::newRow("YY") << "2026" << "YY" << "26";
        QTest::newRow("y in lower case") << "2026" << " y " << "6";
        QTest::newRow("RMB") << "100.00" << "rmb" << "人民币100.00";
        QTest::newRow("$") << "100.00" << "$" << "￥100.00";
        QTest::newRow("other") << "100.00" << "元" << "100.00";
        QTest::newRow("blank") << "100.00" << "  " << "100.00";
    }
    void textForms()
    {
        QFETCH(QString, text);
        QFETCH(QString, form);
        QTEST(ApplyTextForm(text, form), "printed");
    }

    void pictureToPrinterPixels_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QPointF>("offsetMm");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<QRect>("device");
        QTest::newRow("2.54 mm at 600 dpi is 60 pixels") << 600 << QPointF(2.54, 0) << QRect(0, 0, 10, 10) << QRect(60, 0, 60, 60);
        QTest::newRow("share of the dpi") << 300 << QPointF(0, 0) << QRect(480, 40, 220, 30) << QRect(1440, 120, 660, 90);
        QTest::newRow("halves to even") << 150 << QPointF(0, 0) << QRect(1, 3, 2, 2) << QRect(2, 4, 2, 4);
        QTest::newRow("negative offset") << 300 << QPointF(-1.0, 2.0) << QRect(100, 100, 10, 10) << QRect(288, 324, 30, 30);
    }
    void pictureToPrinterPixels()
    {
        QFETCH(int, dpi);
        QFETCH(QPointF, offsetMm);
        QFETCH(QRect, picture);
        const PaperScale scale(QSize(800, 400), QSizeF(8, 4), dpi, dpi, offsetMm);
        QTEST(scale.toDevice(picture), "device");
    }

    void unusablePaperSizeRefuses_data()
    {
        QTest::addColumn<QString>("tWidth");
        QTest::newRow("zero") << paperCipher("0.000000");
        QTest::newRow("negative") << paperCipher("-8.000000");
        QTest::newRow("no number") << paperCipher("abc");
        QTest::newRow("no hex text") << "zz";
        QTest::newRow("empty") << "";
    }
    void unusablePaperSizeRefuses()
    {
        QFETCH(QString, tWidth);
        m_fixture->setPaperSizeTexts(tWidth, paperCipher("4.000000"));
        const PrintTemplate tpl = LoadPrintTemplate(CurAdo, PrintFixture::kNoteName);
        try {
            PaperPrintItems(tpl, m_fixture->bill(1), {300, 300, {}});
            QFAIL("printed without a paper size");
        } catch (const PrintRefusal &refusal) {
            QVERIFY(refusal.message().contains(PrintFixture::kNoteName));
        }
    }

    void drawnTextsBreakAtWordsAndStayInTheirRectangles()
    {
        QImage page(400, 200, QImage::Format_RGB32);
        page.fill(Qt::white);
        const QRect box(50, 50, 120, 60);
        {
            QPainter painter(&page);
            DrawPrintItems(painter, {{QStringLiteral("1234567890123456 7890"), box, QFont(QStringLiteral("Arial"), 14), DT_LEFT}});
        }
        QRect inked;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) < 128)
                    inked |= QRect(x, y, 1, 1);
            }
        }
        QVERIFY(!inked.isEmpty());
        QVERIFY2(box.contains(inked), qPrintable(QStringLiteral("ink at %1,%2 %3x%4").arg(inked.x()).arg(inked.y()).arg(inked.width()).arg(inked.height())));
        // The second word went to a second line instead of off the box.
        QVERIFY(inked.height() > QFontMetrics(QFont(QStringLiteral("Arial"), 14), &page).ascent() * 3 / 2);
        QVERIFY(inked.right() >= box.right() - 2); // the long first word is cut at the box's edge
    }

    void unreadablePictureRefuses()
    {
        ExecTmpQuery(CurAdo, QStringLiteral("update p_NoteList set ImgFile = 'missing.jpg'"));
        try {
            PaperScaleFor(LoadPrintTemplate(CurAdo, PrintFixture::kNoteName), {300, 300, {}});
            QFAIL("printed without a picture");
        } catch (const PrintRefusal &refusal) {
            QCOMPARE(refusal.message(), QStringLiteral("图片不正确"));
        }
    }
};

QTEST_MAIN(TestPrintLayout)
#include "tst_printlayout.moc"
