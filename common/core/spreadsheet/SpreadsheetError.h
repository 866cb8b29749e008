#pragma once

#include "core/errors/CorvaneError.h"

// A spreadsheet file that cannot be read; the message says why, for the user.
class SpreadsheetError : public CorvaneError
{
public:
    enum class Reason {
        Unreadable,     // missing, or no permission
        NotSpreadsheet, // some other kind of file
        Damaged,        // a spreadsheet, but truncated or corrupt
        Protected,      // encrypted with a password
        MissingSheet,   // no sheet of the asked name
        TooLarge,       // more cells, rows or columns than a sheet may hold
    };

    SpreadsheetError(Reason reason, QString message) : CorvaneError(std::move(message)), m_reason(reason) {}
    Reason reason() const { return m_reason; }

    static SpreadsheetError unreadable(const QString &path);
    static SpreadsheetError notSpreadsheet();
    static SpreadsheetError damaged();
    static SpreadsheetError protectedFile();
    static SpreadsheetError missingSheet(const QString &name);
    static SpreadsheetError tooLarge();
    // The reader itself failed on the file (the .xls helper crashed or gave no answer).
    static SpreadsheetError formatFault();

private:
    Reason m_reason;
};
