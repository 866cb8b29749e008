#include "core/db/SqlName.h"

QString SqlName(const QString &identifier)
{
    QString quoted = identifier;
    quoted.replace('"', QLatin1String("\"\""));
    return '"' + quoted + '"';
}

bool IsValidSqlName(const QString &name)
{
    if (name.isEmpty() || name.trimmed() != name)
        return false;
    for (const QChar ch : name) {
        switch (ch.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
        }
        if (QStringLiteral("\"'[]`").contains(ch))
            return false;
    }
    return true;
}
