#pragma once

#include <QList>
#include <QString>

#include <optional>

class DataField;
class DataSet;

// A grid footer of one column: a total over the data set's rows, or a fixed text.
struct FooterItem
{
    enum Kind { Sum, Count, Average, Text };
    QString field;
    Kind kind = Text;
    QString text;  // the fixed text (Text only)

    bool operator==(const FooterItem &) const = default;
};

// "金额:SUM;id:COUNT;名称:合计": items by ';', each a field name, ':' and a kind; SUM, COUNT
// and AVG in any letter case, any other kind text is shown as it stands. Items without a
// field name are skipped.
QList<FooterItem> ParseFooterList(const QString &sumList);

// What the footer shows for the field over every row of the data set. Sums and averages of
// amounts are exact in the currency type and shown like the field (two decimals unless the
// field has a format); averages are over the values that are not NULL, amounts rounded halves
// to the even neighbour; COUNT is the row count.
// A closed or empty data set sums to 0.
QString FooterText(const DataSet &dataSet, const DataField &field, const FooterItem &item);
// The same without waiting for the database: nothing while the data set is still working out
// the figures of a long list (it tells with DataSet::figuresKnown).
std::optional<QString> KnownFooterText(const DataSet &dataSet, const DataField &field, const FooterItem &item);
