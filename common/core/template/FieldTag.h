#pragma once

#include <QList>
#include <QString>

// Field numbers within one template: grids (表格) count from 500, every other field, grid
// columns included, from 1000.
struct FieldTagRow
{
    int tag = 0;
    QString editType;
};

// The next free Tag of the group a new field joins: the group's highest plus 1, or its first
// number when the group is empty.
int NextFieldTag(const QList<FieldTagRow> &rows, bool grid);
