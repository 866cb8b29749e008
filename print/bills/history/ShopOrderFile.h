#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An order list exported by an online shop: comma-separated text as the shop writes it — GBK or
// UTF-8 (with or without a byte-order mark), CRLF or LF, cells quoted or not, quotes doubled
// inside quoted cells, line breaks inside quoted cells, long numbers guarded as ="…".
struct ShopOrderFile
{
    QStringList header;           // trimmed, every double quote removed
    QList<QStringList> orders;    // the lines after the header that hold anything, cells trimmed

    // The column of a header name, -1 when the file has none.
    int column(const QString &name) const { return header.indexOf(name); }
    // The cell of an order, empty when the line is short or the column missing.
    QString cell(int order, int column) const { return column < 0 ? QString() : orders.at(order).value(column); }
};

// The text of the file's bytes: UTF-8 when marked or when the bytes are valid UTF-8, else GB18030.
QString DecodeShopOrderText(const QByteArray &bytes);
// Comma-separated records of a text (RFC 4180, unquoted cells as they stand).
QList<QStringList> SplitCsvRecords(const QString &text);
// Reads the file; raises CorvaneError when it cannot be read.
ShopOrderFile ReadShopOrderFile(const QString &path);
