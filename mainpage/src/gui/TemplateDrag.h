#pragma once

#include <QMimeData>

#include <memory>
#include <optional>

// An icon dragged from the main page's list carries the RefNo of its format.
std::unique_ptr<QMimeData> TemplateDragData(qint64 refNo);
std::optional<qint64> DraggedTemplate(const QMimeData *data);
