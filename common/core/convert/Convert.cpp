#include "core/convert/Convert.h"

#include "core/convert/AmountRangeError.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr int kPlaces = 15;                           // 万仟佰拾亿仟佰拾万仟佰拾元角分
constexpr qint64 kFenLimit = 1'000'000'000'000'000;   // 10^15 fen = 10^13 yuan

constexpr std::u16string_view kCapitalDigits = u"零壹贰叁肆伍陆柒捌玖";
constexpr std::u16string_view kPlaceUnits = u"万仟佰拾亿仟佰拾万仟佰拾元角分";

// Applied in this order, each to every occurrence, to turn the place-by-place text (digit and
// unit of every place, zeros included) into the written form: runs of zero places collapse to
// one 零, and 万/亿 survive a zero in front of them.
constexpr std::array<std::pair<std::u16string_view, std::u16string_view>, 13> kReplacements{{
    {u"零元", u"元"},
    {u"零拾", u"零"},
    {u"零佰", u"零"},
    {u"零仟", u"零"},
    {u"零万", u"万"},
    {u"零亿", u"亿"},
    {u"亿万", u"亿"},
    {u"零零零", u"零"},
    {u"零零", u"零"},
    {u"零万", u"万"},
    {u"零亿", u"亿"},
    {u"亿万", u"亿"},
    {u"零元", u"元"},
}};

constexpr std::array<qint64, kPlaces> kPowersOfTen = [] {
    std::array<qint64, kPlaces> powers{};
    qint64 p = 1;
    for (qint64 &power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// Texts handed out by the box functions; copies of literals share static data and never
// allocate, which keeps filling all boxes of a bill cheap.
const std::array<QString, 10> &CapitalDigitTexts()
{
    static const std::array<QString, 10> texts{
        QStringLiteral("零"), QStringLiteral("壹"), QStringLiteral("贰"), QStringLiteral("叁"),
        QStringLiteral("肆"), QStringLiteral("伍"), QStringLiteral("陆"), QStringLiteral("柒"),
        QStringLiteral("捌"), QStringLiteral("玖")};
    return texts;
}

const std::array<QString, 10> &FigureTexts()
{
    static const std::array<QString, 10> texts{
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
        QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
        QStringLiteral("8"), QStringLiteral("9")};
    return texts;
}

const QString &YuanSignText()
{
    static const QString text = QStringLiteral("\uFFE5");   // ￥ (full-width yuan sign)
    return text;
}

// The one rounding of an amount to whole fen: exact on the count, halves to the even fen.
qint64 AmountToFen(Currency money)
{
    const qint64 amount = money.units();
    if (amount < 0)
        throw AmountRangeError(QStringLiteral("金额不能为负数"));
    qint64 fen = amount / 100;
    const qint64 rest = amount % 100;
    if (rest > 50 || (rest == 50 && (fen & 1)))
        ++fen;
    if (fen >= kFenLimit)
        throw AmountRangeError(QStringLiteral("金额必须小于10000000000000元"));
    return fen;
}

int DigitCount(qint64 fen)
{
    int count = 1;
    while (count < kPlaces && fen >= kPowersOfTen[count])
        ++count;
    return count;
}

int DigitAt(qint64 fen, int pos)
{
    return int(fen / kPowersOfTen[pos] % 10);
}

// The place-by-place text rewritten into its written form: the 13 replacements in order, each
// over the whole text, then a zero jiao becomes 整 where there is no fen (else 零) and zero fen
// disappear.
QString RewritePlaces(QString text)
{
    for (const auto &[from, to] : kReplacements)
        text.replace(QStringView(from).toString(), QStringView(to).toString());
    text.replace(QStringLiteral("零角"), text.contains(QStringLiteral("零分")) ? QStringLiteral("整") : QStringLiteral("零"));
    text.remove(QStringLiteral("零分"));
    return text;
}

// Non-zero digits occur in no replacement, so they split the place-by-place text into pieces
// that are rewritten independently: the unit of a non-zero digit at layout index `index`
// followed by 零 and the unit of every zero place before the next non-zero digit at `next`
// (kPlaces when there is none). A zero jiao and a zero fen always fall into the same piece.
// Every such piece is rewritten once, up front, which makes an amount's text a few look-ups.
using Tails = std::array<std::array<QString, kPlaces + 1>, kPlaces>;

const Tails &RewrittenTails()
{
    static const Tails tails = [] {
        Tails t;
        for (int index = 0; index < kPlaces; ++index) {
            for (int next = index + 1; next <= kPlaces; ++next) {
                QString piece{QChar(kPlaceUnits[index])};
                for (int zero = index + 1; zero < next; ++zero) {
                    piece += QChar(kCapitalDigits[0]);
                    piece += QChar(kPlaceUnits[zero]);
                }
                t[index][next] = RewritePlaces(piece);
            }
        }
        return t;
    }();
    return tails;
}

QString AmountToBigStr(qint64 fen)
{
    // The digits of the right-aligned 15-place layout, by layout index (0 = 万 of 万亿).
    std::array<int, kPlaces> digits{};
    for (int index = kPlaces - 1; index >= 0 && fen > 0; --index, fen /= 10)
        digits[index] = int(fen % 10);
    std::array<QChar, 2 * kPlaces> text;
    int size = 0;
    int index = 0;
    while (index < kPlaces && digits[index] == 0)
        ++index;
    while (index < kPlaces) {
        int next = index + 1;
        while (next < kPlaces && digits[next] == 0)
            ++next;
        text[size++] = QChar(kCapitalDigits[digits[index]]);
        const QString &tail = RewrittenTails()[index][next];
        std::copy(tail.cbegin(), tail.cend(), text.begin() + size);
        size += int(tail.size());
        index = next;
    }
    return QString(text.data(), size);
}

QString YearToBigStr(int year)
{
    QString text;
    for (int divisor = 1000; divisor >= 1; divisor /= 10)
        text += CapitalDigitTexts()[year / divisor % 10];
    return text;
}

QString MonthDayToBigStr(int n)
{
    const QString &tens = CapitalDigitTexts()[n / 10];
    const QString &units = CapitalDigitTexts()[n % 10];
    if (n < 10)
        return CapitalDigitTexts()[0] + units;
    // 10, 20 and 30 get a leading 零 so that nothing can be written in front of them.
    if (n % 10 == 0)
        return CapitalDigitTexts()[0] + tens + QStringLiteral("拾");
    return tens + QStringLiteral("拾") + units;
}

// The date texts know four-figure years only.
bool HasFourFigureYear(const QDate &date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

} // namespace

QString BigMoneyAllStr(Currency amount)
{
    return AmountToBigStr(AmountToFen(amount));
}

QString SmallmoneyStr(Currency amount, int pos)
{
    const qint64 fen = AmountToFen(amount);
    const int length = DigitCount(fen);
    if (pos < 0 || pos > length)
        return {};
    if (pos == length)
        return YuanSignText();
    return FigureTexts()[DigitAt(fen, pos)];
}

QString BigMoneyDisStr(Currency amount, int pos)
{
    const qint64 fen = AmountToFen(amount);
    if (pos < 0)
        return {};
    if (pos >= DigitCount(fen))
        return CapitalDigitTexts()[0];
    return CapitalDigitTexts()[DigitAt(fen, pos)];
}

QString SmallDateDisStr(const QDate &date, int part)
{
    if (!HasFourFigureYear(date))
        return {};
    switch (part) {
    case 0: return QString::number(date.year()).rightJustified(4, u'0');
    case 1: return QString::number(date.month()).rightJustified(2, u'0');
    case 2: return QString::number(date.day()).rightJustified(2, u'0');
    default: return {};
    }
}

QString BigDateDisStr(const QDate &date, int part)
{
    if (!HasFourFigureYear(date))
        return {};
    switch (part) {
    case 0: return YearToBigStr(date.year());
    case 1: return MonthDayToBigStr(date.month());
    case 2: return MonthDayToBigStr(date.day());
    default: return {};
    }
}
