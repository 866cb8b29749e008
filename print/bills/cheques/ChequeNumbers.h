#pragma once

#include "core/errors/CorvaneError.h"

#include <QString>
#include <QStringList>

// The last three characters of a start number (the whole number when shorter) that are not
// all digits: the book cannot be counted.
class ChequeNumberError : public CorvaneError
{
public:
    using CorvaneError::CorvaneError;
};

// The numbers of a cheque book: number i is the start number's last three characters read as
// an integer plus i, written with at least three digits (zero-padded) after the characters
// before them. "AB998" gives AB998, AB999, AB1000 (one character longer); "5" gives 005, 006,
// 007. Raises ChequeNumberError when the last three characters are not digits.
QStringList ChequeBookNumbers(const QString &startNo, int count);
