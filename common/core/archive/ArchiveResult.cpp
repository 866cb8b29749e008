#include "core/archive/ArchiveResult.h"

#include "core/errors/CorvaneError.h"

void ArchiveResult::requireSuccess() const
{
    if (ok)
        return;
    QString text = QStringLiteral("压缩文件异常！");
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    throw CorvaneError(text);
}
