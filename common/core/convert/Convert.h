#pragma once

#include "core/money/Currency.h"

#include <QDate>
#include <QString>

// The texts Chinese bank forms demand: an amount in capitals, one figure or capital per printed
// box, a date per box in figures or capitals. All three amount texts round the amount to whole
// fen the same exact way (halves to the even fen), so words and boxes always agree.
//
// Place numbers count from the right: 0 fen, 1 jiao, 2 yuan, 3 ten yuan, ...
// Negative amounts and amounts of 10 000 000 000 000 yuan or more raise AmountRangeError.

// The whole amount in capitals with units ("壹佰元整"); the empty text for 0.
QString BigMoneyAllStr(Currency amount);

// The figure at place pos, "￥" just left of the highest digit, the empty text further left.
QString SmallmoneyStr(Currency amount, int pos);

// The capital digit at place pos, "零" left of the highest digit; the empty text for pos < 0.
QString BigMoneyDisStr(Currency amount, int pos);

// By part: 0 the year (4 figures), 1 the month, 2 the day (2 figures each); else the empty text.
QString SmallDateDisStr(const QDate &date, int part);

// By part: 0 the year digit by digit (贰零贰肆), 1 the month, 2 the day as the bank writes them
// (零伍, 零壹拾, 壹拾壹, 零贰拾, 叁拾壹); else the empty text.
QString BigDateDisStr(const QDate &date, int part);
