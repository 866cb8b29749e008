#pragma once

#include "core/spreadsheet/SheetCell.h"
#include "core/spreadsheet/XlsxSheetWriter.h"

#include <QList>
#include <QStringList>

class DataSet;

// A data set as a sheet: every field in field order (hidden ones too), headed by its display
// label (its name where none was set, so a re-import finds every column), and every row as typed cells: texts stay texts, integers
// and floats are numbers (integers too long for a double stay exact as texts), amounts exact
// amounts, dates and yes/no values keep their kind, NULL is an empty cell.
QStringList SheetHeaderOfDataSet(const DataSet &dataSet);
QList<QList<SheetCell>> SheetRowsOfDataSet(const DataSet &dataSet);
// The same rows one at a time, for writing a long list without holding it; the data set must
// outlive the source and stay unchanged while it is read.
SheetRowSource SheetRowSourceOfDataSet(const DataSet &dataSet);
