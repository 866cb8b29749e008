#include "gui/TemplateDrag.h"

namespace {
const QString kMimeType = QStringLiteral("application/x-quillet-template");
}

std::unique_ptr<QMimeData> TemplateDragData(qint64 refNo)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(kMimeType, QByteArray::number(refNo));
    return data;
}

std::optional<qint64> DraggedTemplate(const QMimeData *data)
{
    if (!data || !data->hasFormat(kMimeType))
        return std::nullopt;
    bool ok = false;
    const qint64 refNo = data->data(kMimeType).toLongLong(&ok);
    return ok ? std::optional<qint64>(refNo) : std::nullopt;
}
