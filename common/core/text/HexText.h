#pragma once

#include <QString>

// Hex text of the legacy formats: every GBK byte of the text as two upper-case hex digits.
QString StringToHex(const QString &text);

// The reverse: every pair of hex digits (either case) is one GBK byte; a character that is
// not a hex digit counts as 0 and a trailing single digit is ignored.
QString hextostring(const QString &hex);
