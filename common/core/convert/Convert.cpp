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

// Applied in this order, each over the whole text, to turn the place-by-place text into the
// written form: zero places collapse to one 零, and 万/亿 survive a zero in front of them.
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
qint64 AmountToFen(CurrencyCount amount)
{
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
    while (fen >= 10) {
        fen /= 10;
        ++count;
    }
    return count;
}

int DigitAt(qint64 fen, int pos)
{
    return int(fen / kPowersOfTen[pos] % 10);
}

// The capital text while it is being built: at most two characters per place, edited in place
// (every replacement is no longer than what it replaces).
class CapitalText
{
public:
    void append(char16_t c) { m_chars[m_size++] = c; }

    bool contains(std::u16string_view piece) const
    {
        return view().find(piece) != std::u16string_view::npos;
    }

    // Replaces every occurrence, left to right, without re-examining a replaced piece.
    void replaceAll(std::u16string_view from, std::u16string_view to)
    {
        const int fromSize = int(from.size());
        int write = 0;
        for (int read = 0; read < m_size;) {
            if (read + fromSize <= m_size && view().substr(read, fromSize) == from) {
                for (char16_t c : to)
                    m_chars[write++] = c;
                read += fromSize;
            } else {
                m_chars[write++] = m_chars[read++];
            }
        }
        m_size = write;
    }

    QString toString() const { return QString(reinterpret_cast<const QChar *>(m_chars.data()), m_size); }

private:
    std::u16string_view view() const { return {m_chars.data(), size_t(m_size)}; }

    std::array<char16_t, 2 * kPlaces> m_chars{};
    int m_size = 0;
};

QString AmountToBigStr(qint64 fen)
{
    CapitalText text;
    // Every place of the right-aligned 15-place layout that holds a digit, zeros included.
    for (int index = kPlaces - DigitCount(fen); index < kPlaces; ++index) {
        text.append(kCapitalDigits[DigitAt(fen, kPlaces - 1 - index)]);
        text.append(kPlaceUnits[index]);
    }
    for (const auto &[from, to] : kReplacements)
        text.replaceAll(from, to);
    // No fen: a zero jiao closes the text with 整; with fen it stands as 零 before them.
    text.replaceAll(u"零角", text.contains(u"零分") ? u"整" : u"零");
    text.replaceAll(u"零分", u"");
    return text.toString();
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

QString BigMoneyAllStr(CurrencyCount amount)
{
    return AmountToBigStr(AmountToFen(amount));
}

QString SmallmoneyStr(CurrencyCount amount, int pos)
{
    const qint64 fen = AmountToFen(amount);
    const int length = DigitCount(fen);
    if (pos < 0 || pos > length)
        return {};
    if (pos == length)
        return YuanSignText();
    return FigureTexts()[DigitAt(fen, pos)];
}

QString BigMoneyDisStr(CurrencyCount amount, int pos)
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
