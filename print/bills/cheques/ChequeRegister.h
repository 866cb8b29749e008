#pragma once

#include "bills/cheques/ChequeBook.h"

#include <QSqlDatabase>
#include <QString>

// What registering a cheque book came to; anything but Registered wrote nothing.
struct ChequeBookOutcome
{
    enum Result { Registered, NoRunningDigits, WidthOverflow, NumberTaken };

    Result result = Registered;
    QString number;  // NumberTaken: the first number already in the register

    // The refusal as the user reads it; empty when registered.
    QString message() const;
};

// Enters one row per cheque of the book (status 空白), all or nothing: a book whose numbers
// cannot be counted in the start number's width, or that repeats a registered number, is
// refused before anything is written.
ChequeBookOutcome RegisterChequeBook(const QSqlDatabase &db, const ChequeBook &book);

// The template number that opens the bill of a cheque printed by a format of this category
// (its default format first); 0 when the category has none.
qint64 ChequeFormatRefNo(const QSqlDatabase &db, const QString &category);
