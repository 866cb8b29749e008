#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// A reference inside a report text, written in brackets:
//   [出货单."客户名称"] or [出货单.客户名称]   a field of a data set (alias, then label or name)
//   [SUM(出货单明细."金额")]                   the sum of a field over the rows printed so far
//   [页码] [总页数] [日期] [时间] [行号]       the variables; other names are caller variables
struct ReportReference
{
    enum Kind { Field, Sum, Variable };
    Kind kind = Variable;
    QString alias;
    QString name;  // field label or name, or the variable's name

    bool operator==(const ReportReference &) const = default;
};

// What stands between the brackets, read as a reference.
ReportReference ParseReportReference(const QString &inside);

// The bracketed text of a reference, as the designer inserts it.
QString ReportReferenceText(const ReportReference &reference);

using ReportReferenceResolver = std::function<std::optional<QString>(const ReportReference &)>;

// The text with every bracketed reference replaced by what the resolver gives; unknown
// references stay as written, so a misspelt name shows on the page instead of vanishing. A '[' without a closing ']' is literal text.
QString ExpandReportText(const QString &text, const ReportReferenceResolver &resolve);

// The references a text holds, in order.
QList<ReportReference> ReportTextReferences(const QString &text);

// The variable names every report knows.
QString ReportPageVariable();
QString ReportPageCountVariable();
QString ReportDateVariable();
QString ReportTimeVariable();
QString ReportLineVariable();
QList<QString> ReportBuiltInVariables();
