#include "core/db/SqlName.h"

QString SqlName(const QString &identifier)
{
    QString quoted = identifier;
    quoted.replace('"', QLatin1String("\"\""));
    return '"' + quoted + '"';
}
