#pragma once

#include "designer/model/AddFieldPlacement.h"

#include <QWidget>

class TDesignSurface;

// The 14 add-field buttons of the template panel. Each adds a field of its kind a step right of
// and below the last added one, and releases 锁定位置.
class TAddFieldButtons : public QWidget
{
    Q_OBJECT

public:
    explicit TAddFieldButtons(TDesignSurface *surface, QWidget *parent = nullptr);

    // Adds a field of the kind of button `index` (0 … 13); returns its Tag, -1 without a template.
    int add(int index);

private:
    TDesignSurface *m_surface;
    AddFieldPlacement m_placement;
};
