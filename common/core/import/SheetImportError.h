#pragma once

#include "core/errors/CorvaneError.h"

// Why a spreadsheet import wrote nothing; the message is for the user.
class SheetImportError : public CorvaneError
{
public:
    enum class Reason {
        WrongKind,       // the first sheet is not named after the bill kind
        NoDefaultFormat, // the kind has no default format to give the rows
        BadRow,          // a row could not be written: everything was rolled back
        NoKnownColumn,   // no header cell names a column of the table
    };

    SheetImportError(Reason reason, QString message) : CorvaneError(std::move(message)), m_reason(reason) {}
    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};
