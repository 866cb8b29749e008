#pragma once

#include <QString>
#include <QStringList>

// The text a picker hands back: the chosen row's return fields joined by commas ("张三,北京").
// A value that holds a comma, or begins with a double quote, is written between double quotes
// with inner quotes doubled ("\"甲,乙公司\",北京"), so that splitting gives the values back
// in their places; every other value stands as it is.
QString JoinPickValues(const QStringList &values);

// The values of a picker's text, in order. The empty text gives no values.
QStringList SplitPickValues(const QString &text);
