#pragma once

#include <QString>

// The bill a conversion leaves the form on: the new bill, or the partner made before.
struct ConvertedBill
{
    qint64 id = 0;
    QString noteName;   // its own format
    bool made = false;  // false: the partner existed and was only found
};
