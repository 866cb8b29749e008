#pragma once

// Names of a bill table's derived columns and the fixed lists they are made from. The designer,
// the bill form, printing, the derived-column fill and template exchange all name derived
// columns through these functions only.

#include <QString>
#include <QStringList>

#include <array>

// Places of an amount, index 0 = fen ... 11 = 十亿位 (the place index of the capital conversions).
extern const std::array<QString, 12> MONEY_FIELDNAME_CH;
// Parts of a date: 年, 月, 日 (the date part index 0, 1, 2).
extern const std::array<QString, 3> DATE_FIELDNAME_CH;
// The capital split "大写拆分2" makes only the places 分 ... 十万位.
inline constexpr int ShortCapitalPlaceCount = 8;

// Guard of the derived-column fill: while false, a field change fills nothing (the fill clears
// it around its own writes).
extern bool FieldChange;

// The cash slip's 15 count and 20 amount columns, in the order of the paper form.
extern const std::array<QString, 15> CashCountFieldNames;
extern const std::array<QString, 20> CashAmountFieldNames;

QString SmallPlaceColumn(const QString &field, const QString &placeOrPart);   // "%s_小写%s"
QString CapitalPlaceColumn(const QString &field, const QString &placeOrPart); // "%s_大写%s"
QString CapitalAmountColumn(const QString &field);                            // "%s_金额大写"
// The amount field whose capital-amount column `column` is; empty when it is none.
QString AmountOfCapitalColumn(const QString &column);
QString CapitalDateColumn(const QString &field);                              // "%s_大写日期"
QString SplitCharColumn(const QString &field, int position);                  // "%s_%d", from 1
QString CheckItemColumn(const QString &field, const QString &item);           // "%s_%s"

// The items of a check field: split at ";" and trimmed; empty text gives none.
QStringList CheckItemsOf(const QString &checkItems);
