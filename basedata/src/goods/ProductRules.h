#pragma once

#include <QSqlDatabase>
#include <QString>

class DataSet;

// The refusal of a Bs_ProdList row about to be written, or empty text: number, name and unit
// are required (checked in that order), and a number names one product. The number is stored
// without blanks around it.
QString ProductRowFault(const QSqlDatabase &db, DataSet &row);
