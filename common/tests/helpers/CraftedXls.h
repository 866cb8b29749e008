#pragma once

#include <QByteArray>
#include <QList>

// .xls files built byte by byte: a compound file holding one "Workbook" stream of BIFF8
// records, so a test can make exactly the records a reader trips over.
namespace CraftedXls {

QByteArray record(quint16 type, const QByteArray &data);
// DIMENSION: the sheet's size, rows 0..rows-1 and columns 0..columns-1.
QByteArray dimension(quint32 rows, quint16 columns);
QByteArray number(quint16 row, quint16 column, double value);

// A workbook whose sheets ("S1", "S2"...) hold the given records between their BOF and EOF.
QByteArray workbook(const QList<QByteArray> &sheetRecords);

} // namespace CraftedXls
