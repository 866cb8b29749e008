#pragma once

#include <QChar>
#include <QString>

// The text with every occurrence of `c` doubled (quoting for the legacy text formats).
QString AddDoubleChar(const QString &text, QChar c);

// `length` characters drawn at random from the digits and the lower-case letters.
QString Randomstring(int length);

// The decimal digits of `number`, left-padded with "0" to `width`; never cut.
QString FixLenString(qint64 number, quint16 width);
