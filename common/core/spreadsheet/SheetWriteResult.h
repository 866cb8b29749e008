#pragma once

#include <QString>

// Whether a spreadsheet file was written; if not, why, for the user.
struct SheetWriteResult
{
    bool ok = false;
    QString reason;

    explicit operator bool() const { return ok; }
    static SheetWriteResult success() { return {true, {}}; }
    static SheetWriteResult failure(QString why) { return {false, std::move(why)}; }
};
