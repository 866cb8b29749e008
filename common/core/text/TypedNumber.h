#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// What a clerk types into a number box, as the plain text a number field takes: blanks
// (also the full-width one) are dropped and thousands separators are accepted where they
// group correctly ("1,234.50" → "1234.50"). Empty text stays empty (no value). No result for
// anything that is not a plain decimal number ("abc", "1e3", "1,23", "12.3.4"), so a box
// never stores a different number from the one the clerk sees.
std::optional<QString> NormalizeTypedNumber(QStringView typed);
