#include "core/report/ReportText.h"

namespace {

// "alias."name"" or "alias.name": false when there is no alias part.
bool splitFieldReference(const QString &text, QString &alias, QString &name)
{
    const qsizetype quoted = text.indexOf(QLatin1String(".\""));
    if (quoted > 0 && text.endsWith(QLatin1Char('"')) && text.size() > quoted + 2) {
        alias = text.left(quoted).trimmed();
        name = text.mid(quoted + 2, text.size() - quoted - 3);
        return !alias.isEmpty();
    }
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == text.size() - 1)
        return false;
    alias = text.left(dot).trimmed();
    name = text.mid(dot + 1).trimmed();
    return !alias.isEmpty() && !name.isEmpty();
}

template <class Visit>
QString walkReferences(const QString &text, Visit visit)
{
    QString out;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char(']'), open + 1);
        if (open < 0 || close < 0) {
            out.append(text.mid(pos));
            break;
        }
        out.append(text.mid(pos, open - pos));
        out.append(visit(ParseReportReference(text.mid(open + 1, close - open - 1)), text.mid(open, close - open + 1)));
        pos = close + 1;
    }
    return out;
}

} // namespace

ReportReference ParseReportReference(const QString &inside)
{
    ReportReference reference;
    const QString text = inside.trimmed();
    if (text.size() > 5 && text.left(4).compare(QLatin1String("SUM("), Qt::CaseInsensitive) == 0
        && text.endsWith(QLatin1Char(')'))) {
        QString alias;
        QString name;
        if (splitFieldReference(text.mid(4, text.size() - 5).trimmed(), alias, name))
            return {ReportReference::Sum, alias, name};
    }
    QString alias;
    QString name;
    if (splitFieldReference(text, alias, name))
        return {ReportReference::Field, alias, name};
    reference.name = text;
    return reference;
}

QString ReportReferenceText(const ReportReference &reference)
{
    const QString field = QStringLiteral("%1.\"%2\"").arg(reference.alias, reference.name);
    switch (reference.kind) {
    case ReportReference::Field:
        return QLatin1Char('[') + field + QLatin1Char(']');
    case ReportReference::Sum:
        return QStringLiteral("[SUM(%1)]").arg(field);
    case ReportReference::Variable:
        break;
    }
    return QLatin1Char('[') + reference.name + QLatin1Char(']');
}

QString ExpandReportText(const QString &text, const ReportReferenceResolver &resolve)
{
    return walkReferences(text, [&resolve](const ReportReference &reference, const QString &written) {
        return resolve(reference).value_or(written);
    });
}

QList<ReportReference> ReportTextReferences(const QString &text)
{
    QList<ReportReference> found;
    walkReferences(text, [&found](const ReportReference &reference, const QString &) {
        found.append(reference);
        return QString();
    });
    return found;
}

QString ReportPageVariable()
{
    return QStringLiteral("页码");
}

QString ReportPageCountVariable()
{
    return QStringLiteral("总页数");
}

QString ReportDateVariable()
{
    return QStringLiteral("日期");
}

QString ReportTimeVariable()
{
    return QStringLiteral("时间");
}

QString ReportLineVariable()
{
    return QStringLiteral("行号");
}

QList<QString> ReportBuiltInVariables()
{
    return {ReportPageVariable(), ReportPageCountVariable(), ReportDateVariable(), ReportTimeVariable(),
            ReportLineVariable()};
}
