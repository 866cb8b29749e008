#pragma once

#include <QtGlobal>

// A column over many rows: amounts in ten-thousandths, integers exact, floats as doubles;
// `values` counts the values that are not NULL.
struct ColumnTotal
{
    qint64 units = 0;
    qint64 integer = 0;
    double real = 0;
    qint64 values = 0;

    ColumnTotal &operator+=(const ColumnTotal &other)
    {
        units += other.units;
        integer += other.integer;
        real += other.real;
        values += other.values;
        return *this;
    }
};
