#pragma once

#include <QString>
#include <QStringList>

// The numbers of a cheque book. The running part is the run of digits at the end of the start
// number; it counts up in its own width, so leading zeros stay ("00012345" + 1 = "00012346") and
// the characters before it are kept as they are.
struct ChequeNumbers
{
    enum Fault {
        None,
        NoRunningDigits,  // the start number does not end in a digit
        WidthOverflow,    // the book would need a number wider than the start number
    };

    Fault fault = None;
    QStringList numbers;  // empty unless fault is None
};

ChequeNumbers ChequeBookNumbers(const QString &startNo, int count);
