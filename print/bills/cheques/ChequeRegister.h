#pragma once

#include "bills/cheques/ChequeBook.h"

#include <QSqlDatabase>
#include <QString>

// What registering a cheque book came to; anything but Registered wrote nothing.
struct ChequeBookOutcome
{
    enum Result { Registered, NumberTaken };

    Result result = Registered;
    QString number;  // NumberTaken: the first number already in the register

    // The refusal as the user reads it; empty when registered.
    QString message() const;
};

// Enters one row per cheque of the book (status 空白), all or nothing: a book that repeats a
// registered number is refused before anything is written, and a start number that cannot be
// counted raises ChequeNumberError (ChequeNumbers.h) before anything is written.
ChequeBookOutcome RegisterChequeBook(const QSqlDatabase &db, const ChequeBook &book);

// The template number that opens the bill of a cheque printed by a format of this category
// (its default format first); 0 when the category has none.
qint64 ChequeFormatRefNo(const QSqlDatabase &db, const QString &category);
