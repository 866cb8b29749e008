#include "bills/printing/PrintTextForm.h"

QString ApplyTextForm(const QString &text, const QString &textForm)
{
    const QString form = textForm.trimmed().toUpper();
    if (form == QLatin1String("YY"))
        return text.right(2);
    if (form == QLatin1String("Y"))
        return text.right(1);
    if (form == QLatin1String("RMB"))
        return QStringLiteral("人民币") + text;
    if (form == QLatin1String("$"))
        return QStringLiteral("￥") + text;
    return text;
}
