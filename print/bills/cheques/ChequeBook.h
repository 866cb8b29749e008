#pragma once

#include <QDate>
#include <QString>

// A bought cheque book as the purchase dialog hands it over.
struct ChequeBook
{
    QString bankName;
    QString startNo;   // trimmed
    int count = 0;
    QDate buyDate;
};
