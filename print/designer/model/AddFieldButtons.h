#pragma once

#include "core/template/EditKindIndex.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

// The add-field buttons of the template panel: caption, the kind they add and its start size.
struct AddFieldButton
{
    QString caption;
    EditKindIndex kind;
    QSize size;
};

const QList<AddFieldButton> &AddFieldButtons();

// A grid's new column: an 编辑器 of 150 x 20 at (100, 100), captioned "文本" + its number.
inline constexpr QPoint kGridColumnPosition{100, 100};
inline constexpr QSize kGridColumnSize{150, 20};
inline const QString kGridColumnCaption = QStringLiteral("文本");
