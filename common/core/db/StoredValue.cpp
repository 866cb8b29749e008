#include "core/db/StoredValue.h"

QDateTime StoredDateTime(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().startOfDay();
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return {};
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!parsed.isValid()) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        if (date.isValid())
            parsed = date.startOfDay();
    }
    return parsed;
}

QString DateToStored(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString DateTimeToStored(const QDateTime &dateTime)
{
    return dateTime.isValid() ? dateTime.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QString();
}
