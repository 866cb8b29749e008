#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One column of a picker's list: the field it shows and its title.
struct PickColumn
{
    QString field;
    QString title;

    bool operator==(const PickColumn &) const = default;
};

// What a picker shows and returns: its caption, table and row condition (our own constant SQL,
// never user text), the columns as a column list ("field,field;title,title") and the fields of
// the chosen row that it returns, in order.
struct Picker
{
    QString caption;
    QString table;
    QString condition;
    QString columnSpec;
    QStringList returnFields;

    bool operator==(const Picker &) const = default;
};

// The columns of a column list: field names before the ";", titles after it, paired by position
// (a field without a title gets an empty one).
QList<PickColumn> PickColumnsOfSpec(const QString &columnSpec);

// The picker of a number (the tagid of p_pickList): 1 to 11; none for 0 and any other number.
std::optional<Picker> PickerOfNumber(int number);

// The pickers that callers use by themselves.
Picker CustBankPicker(const QString &condition);  // bank accounts, with a row condition
Picker CustNameKdPicker();       // waybill receivers: name
Picker CustNameChd2Picker();     // delivery receivers: name
Picker CompNameBankPicker();     // any entry: name
Picker SelfBankPicker();         // own accounts: bank
Picker ProductPicker(const QString &returnField);  // goods: PartNo, PartName or PartSpec
