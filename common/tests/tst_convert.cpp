#include "core/convert/AmountRangeError.h"
#include "core/convert/Convert.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// "1234.5678" yuan as the exact count of ten-thousandths.
Currency Yuan(const QString &text)
{
    return *Currency::parse(text);
}

// Reads a capital amount back into fen, independently of how it was written; -1 when the text
// is not a well-formed amount.
qint64 ParseCapitalAmount(const QString &text)
{
    static const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    qint64 yi = 0, section = 0, number = 0, yuan = 0, fen = 0;
    bool pastYuan = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const int digit = digits.indexOf(c);
        if (digit >= 0) {
            number = digit;
            continue;
        }
        switch (c.unicode()) {
        case u'拾': section += number * 10; break;
        case u'佰': section += number * 100; break;
        case u'仟': section += number * 1000; break;
        case u'万': section = (section + number) * 10000; break;
        case u'亿': yi = (yi + section + number) * 100000000; section = 0; break;
        case u'元': yuan = yi + section + number; pastYuan = true; break;
        case u'角': fen += number * 10; break;
        case u'分': fen += number; break;
        case u'整': return i == text.size() - 1 && pastYuan ? yuan * 100 + fen : -1;
        default: return -1;
        }
        number = 0;
    }
    return number == 0 ? yuan * 100 + fen : -1;
}

// The capital text computed the plain way: every place of the right-aligned 15-place layout
// written out, then the ordered replacements over the whole text.
QString PlainCapitalText(qint64 fen)
{
    const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    const QString units = QStringLiteral("万仟佰拾亿仟佰拾万仟佰拾元角分");
    const QString layout = QString::asprintf("%15lld", fen);
    QString text;
    for (int i = 0; i < 15; ++i) {
        if (layout[i] != u' ') {
            text += digits[layout[i].digitValue()];
            text += units[i];
        }
    }
    const char *steps[][2] = {{"零元", "元"}, {"零拾", "零"}, {"零佰", "零"}, {"零仟", "零"}, {"零万", "万"},
                              {"零亿", "亿"}, {"亿万", "亿"}, {"零零零", "零"}, {"零零", "零"}, {"零万", "万"},
                              {"零亿", "亿"}, {"亿万", "亿"}, {"零元", "元"}};
    for (const auto &step : steps)
        text.replace(QString::fromUtf8(step[0]), QString::fromUtf8(step[1]));
    text.replace(QStringLiteral("零角"), text.contains(QStringLiteral("零分")) ? QStringLiteral("整") : QStringLiteral("零"));
    return text.remove(QStringLiteral("零分"));
}

// The fen shown by the figure boxes, checked against the capital boxes place by place.
qint64 FenFromBoxes(Currency amount)
{
    static const QString capitals = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    qint64 fen = 0, power = 1;
    int pos = 0;
    for (; SmallmoneyStr(amount, pos) != QStringLiteral("￥"); ++pos, power *= 10) {
        const int digit = SmallmoneyStr(amount, pos).toInt();
        if (BigMoneyDisStr(amount, pos) != capitals[digit])
            return -1;
        fen += digit * power;
    }
    if (BigMoneyDisStr(amount, pos) != QStringLiteral("零") || !SmallmoneyStr(amount, pos + 1).isEmpty())
        return -1;
    return fen;
}

} // namespace

class TestConvert : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeAmountInCapitals_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("text");
        const char *rows[][2] = {
            {"100.00", "壹佰元整"},
            {"100.05", "壹佰元零伍分"},
            {"1010.10", "壹仟零壹拾元壹角"},
            {"0.50", "伍角"},
            {"0.05", "伍分"},
            {"0.55", "伍角伍分"},
            {"0.00", ""},
            {"1.00", "壹元整"},
            {"1.01", "壹元零壹分"},
            {"10.50", "壹拾元伍角"},
            {"105.00", "壹佰零伍元整"},
            {"110.00", "壹佰壹拾元整"},
            {"1000.10", "壹仟元壹角"},
            {"10100.00", "壹万零壹佰元整"},
            {"100000.00", "壹拾万元整"},
            {"1000010.00", "壹佰万零壹拾元整"},
            {"1000000.01", "壹佰万元零壹分"},
            {"1234567.89", "壹佰贰拾叁万肆仟伍佰陆拾柒元捌角玖分"},
            {"100000000.00", "壹亿元整"},
            {"100010000.00", "壹亿零壹万元整"},
            {"10000000000.00", "壹佰亿元整"},
            {"1000000000000.00", "壹万亿元整"},
            {"9999999999999.99", "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
            {"100100.00", "壹拾万零壹佰元整"},
            // The central bank's own examples.
            {"1409.50", "壹仟肆佰零玖元伍角"},
            {"6007.14", "陆仟零柒元壹角肆分"},
            {"16409.02", "壹万陆仟肆佰零玖元零贰分"},
            {"325.04", "叁佰贰拾伍元零肆分"},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
    }

    void wholeAmountInCapitals()
    {
        QFETCH(QString, amount);
        QFETCH(QString, text);
        QCOMPARE(BigMoneyAllStr(Yuan(amount)), text);
    }

    void boxPlaces_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("pos");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QString>("capital");
        const QStringList figures{"0", "5", "4", "3", "2", "1", "￥", "", ""};
        const QStringList capitals{"零", "伍", "肆", "叁", "贰", "壹", "零", "零", "零"};
        for (int pos = 0; pos < figures.size(); ++pos)
            QTest::addRow("1234.50 place %d", pos) << "1234.50" << pos << figures[pos] << capitals[pos];
        const QStringList zeroFigures{"0", "￥", "", ""};
        for (int pos = 0; pos < zeroFigures.size(); ++pos)
            QTest::addRow("0 place %d", pos) << "0" << pos << zeroFigures[pos] << "零";
        QTest::newRow("place -1") << "1234.50" << -1 << "" << "";
        QTest::newRow("highest place") << "9999999999999.99" << 14 << "9" << "玖";
    }

    void boxPlaces()
    {
        QFETCH(QString, amount);
        QFETCH(int, pos);
        QFETCH(QString, figure);
        QFETCH(QString, capital);
        QCOMPARE(SmallmoneyStr(Yuan(amount), pos), figure);
        QCOMPARE(BigMoneyDisStr(Yuan(amount), pos), capital);
    }

    // Fractions of a fen round once, exactly, halves to the even fen: words and boxes agree.
    void fractionsOfFenAgreeEverywhere_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<qint64>("fen");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.005") << "1.005" << qint64(100) << "壹元整";
        QTest::newRow("1.015") << "1.015" << qint64(102) << "壹元零贰分";
        QTest::newRow("1.025") << "1.025" << qint64(102) << "壹元零贰分";
        QTest::newRow("1.0049") << "1.0049" << qint64(100) << "壹元整";
        QTest::newRow("1.0051") << "1.0051" << qint64(101) << "壹元零壹分";
        QTest::newRow("0.005") << "0.005" << qint64(0) << "";
        QTest::newRow("0.015") << "0.015" << qint64(2) << "贰分";
        QTest::newRow("99.995") << "99.995" << qint64(10000) << "壹佰元整";
        QTest::newRow("9999999999999.994") << "9999999999999.994" << qint64(999999999999999) << "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分";
    }

    void fractionsOfFenAgreeEverywhere()
    {
        QFETCH(QString, amount);
        QFETCH(qint64, fen);
        QFETCH(QString, text);
        QCOMPARE(BigMoneyAllStr(Yuan(amount)), text);
        QCOMPARE(FenFromBoxes(Yuan(amount)), fen);
    }

    void amountsOutsideTheLayoutAreRefused_data()
    {
        QTest::addColumn<Currency>("amount");
        QTest::newRow("-0.0001") << Currency::fromUnits(-1);
        QTest::newRow("-100.00") << Yuan("-100");
        QTest::newRow("10000000000000.00") << Yuan("10000000000000");
        QTest::newRow("rounds up to 10000000000000.00") << Yuan("9999999999999.995");
        QTest::newRow("largest count") << Currency::fromUnits(std::numeric_limits<qint64>::max());
        QTest::newRow("smallest count") << Currency::fromUnits(std::numeric_limits<qint64>::min());
    }

    void amountsOutsideTheLayoutAreRefused()
    {
        QFETCH(Currency, amount);
        QVERIFY_THROWS_EXCEPTION(AmountRangeError, BigMoneyAllStr(amount));
        for (int pos : {0, 12, 14, 20}) {
            QVERIFY_THROWS_EXCEPTION(AmountRangeError, SmallmoneyStr(amount, pos));
            QVERIFY_THROWS_EXCEPTION(AmountRangeError, BigMoneyDisStr(amount, pos));
        }
        try {
            BigMoneyAllStr(amount);
        } catch (const CorvaneError &e) {
            QVERIFY(!e.message().isEmpty());
        }
    }

    // Every pattern of zero and non-zero places of the 15-place layout.
    void everyZeroPatternReadsBack()
    {
        QRandomGenerator random(15);
        for (int pattern = 0; pattern < (1 << 15); ++pattern) {
            qint64 fen = 0;
            for (int place = 14; place >= 0; --place)
                fen = fen * 10 + ((pattern >> place) & 1 ? random.bounded(1, 10) : 0);
            const Currency amount = Currency::fromUnits(fen * 100);
            const QString text = BigMoneyAllStr(amount);
            const QByteArray context = QByteArray::number(fen) + " fen: " + text.toUtf8();
            QVERIFY2(text == PlainCapitalText(fen), context);
            QVERIFY2(fen == 0 ? text.isEmpty() : ParseCapitalAmount(text) == fen, context);
            QVERIFY2(!text.contains(QStringLiteral("零零")), context);
            QVERIFY2(!text.startsWith(u'零') && !text.endsWith(u'零'), context);
            for (const QString &unit : {QStringLiteral("零元"), QStringLiteral("零万"), QStringLiteral("零亿")})
                QVERIFY2(!text.contains(unit), context);
            const bool whole = fen % 100 == 0 && fen >= 100;
            QVERIFY2(text.endsWith(u'整') == whole, context);
            QVERIFY2(text.count(u'整') <= 1, context);
            QVERIFY2(FenFromBoxes(amount) == fen, context);
        }
    }

    void datesInFiguresAndCapitals_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("part");
        QTest::addColumn<QString>("figures");
        QTest::addColumn<QString>("capitals");
        const QStringList dayCapitals{"零壹", "零玖", "零壹拾", "壹拾壹", "壹拾玖", "零贰拾",
                                      "贰拾壹", "贰拾玖", "零叁拾", "叁拾壹"};
        const int days[] = {1, 9, 10, 11, 19, 20, 21, 29, 30, 31};
        for (int i = 0; i < 10; ++i)
            QTest::addRow("day %d", days[i]) << QDate(2024, 1, days[i]) << 2
                                             << QString::number(days[i]).rightJustified(2, u'0') << dayCapitals[i];
        const QStringList monthCapitals{"零壹", "零贰", "零玖", "零壹拾", "壹拾壹", "壹拾贰"};
        const int months[] = {1, 2, 9, 10, 11, 12};
        for (int i = 0; i < 6; ++i)
            QTest::addRow("month %d", months[i]) << QDate(2024, months[i], 5) << 1
                                                 << QString::number(months[i]).rightJustified(2, u'0') << monthCapitals[i];
        QTest::newRow("year 2024") << QDate(2024, 3, 1) << 0 << "2024" << "贰零贰肆";
        QTest::newRow("year 2008") << QDate(2008, 3, 1) << 0 << "2008" << "贰零零捌";
        QTest::newRow("year 2000") << QDate(2000, 3, 1) << 0 << "2000" << "贰零零零";
        QTest::newRow("part 3") << QDate(2024, 3, 1) << 3 << "" << "";
        QTest::newRow("part -1") << QDate(2024, 3, 1) << -1 << "" << "";
        QTest::newRow("invalid date") << QDate() << 0 << "" << "";
    }

    void datesInFiguresAndCapitals()
    {
        QFETCH(QDate, date);
        QFETCH(int, part);
        QFETCH(QString, figures);
        QFETCH(QString, capitals);
        QCOMPARE(SmallDateDisStr(date, part), figures);
        QCOMPARE(BigDateDisStr(date, part), capitals);
    }

    void bankDateExample()
    {
        const QDate date(2024, 10, 20);
        QCOMPARE(BigDateDisStr(date, 1) + "月" + BigDateDisStr(date, 2) + "日", QStringLiteral("零壹拾月零贰拾日"));
    }
};

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
