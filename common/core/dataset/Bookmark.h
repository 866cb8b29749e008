#pragma once

#include <QVariantList>

// A remembered row of a data set. Within one loading of the rows the row itself is found again;
// after a requery it is found by its key values, when the table has a key that the statement
// selects.
struct Bookmark
{
    quint64 rowId = 0;
    QVariantList key;

    bool isValid() const { return rowId != 0; }
};
