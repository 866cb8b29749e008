#pragma once

#include "core/dbfun/TableFieldDef.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class DataField;
class DataSet;

// Keeps the derived columns of a bill field in step with it in the data set's current row: the
// ticks of a check field, the characters of a split string, the figures and capitals of an
// amount, the parts of a date (names from BillColumns.h). Runs the cash-slip arithmetic first.
//
// Nothing happens while FieldChange is false; the fill clears it around its own writes and a
// scope guard gives it back, also when a write fails. An amount the bank texts cannot show
// clears the amount's derived texts and then raises AmountRangeError to the caller, so no stale
// capitals stay beside the new figures. A missing derived column raises the data set's error.
class BillFieldFill
{
public:
    // Reads the table's field definitions once (an import fills many rows with them).
    BillFieldFill(const QSqlDatabase &db, const QString &table);
    BillFieldFill(QString table, QList<TableFieldDef> defs);

    void fieldChanged(DataSet &dataSet, DataField *changed) const;

private:
    // What a change of one defined field writes: the names of its derived columns, made once.
    struct Rule
    {
        TableFieldDef def;
        QString fieldType;        // trimmed
        QStringList tickColumns;  // one per check item
        QStringList charColumns;  // "%s_1" ... "%s_LEN"
        QStringList smallPlaces;  // amount figures, fen first, for 小写拆分
        QString capitalAmount;    // empty without a merged capital
        QStringList capitalPlaces;
        QStringList smallParts;   // date figures: year, month, day
        QString capitalDate;
        QStringList capitalParts;
    };
    static Rule ruleOf(const TableFieldDef &def);

    QString m_table;
    bool m_cashSlip = false;
    QList<Rule> m_rules;
    // The first definition of each name, under the name trimmed and case-folded.
    QHash<QString, qsizetype> m_ruleOfField;
};
