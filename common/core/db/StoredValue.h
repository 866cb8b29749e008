#pragma once

#include <QDateTime>
#include <QVariant>

// Dates are stored as ISO text: "yyyy-MM-dd" for a date, "yyyy-MM-dd HH:mm:ss" with a time.
// An empty or unreadable value is the invalid (zero) date.
QDateTime StoredDateTime(const QVariant &value);
QString DateToStored(const QDate &date);
QString DateTimeToStored(const QDateTime &dateTime);
