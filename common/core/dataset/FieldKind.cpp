#include "core/dataset/FieldKind.h"

#include "core/db/ColumnKind.h"

FieldKind fieldKindFromDeclaredType(const QString &declaredType)
{
    switch (ColumnKindFromDeclaredType(declaredType)) {
    case ColumnKind::String:
    case ColumnKind::Memo:
        return FieldKind::Text;
    case ColumnKind::Integer:
        return FieldKind::Integer;
    case ColumnKind::Float:
    case ColumnKind::Decimal:
        return FieldKind::Float;
    case ColumnKind::Currency:
        return FieldKind::Currency;
    case ColumnKind::Date:
        return FieldKind::Date;
    case ColumnKind::DateTime:
    case ColumnKind::Time:
        return FieldKind::DateTime;
    case ColumnKind::Boolean:
        return FieldKind::Boolean;
    case ColumnKind::Blob:
        return FieldKind::Blob;
    case ColumnKind::None:
    case ColumnKind::Other:
        break;
    }
    // Anything else by SQLite's own affinity rules; no declaration at all is text.
    const QString name = declaredType.trimmed().toLower();
    if (name.isEmpty())
        return FieldKind::Text;
    if (name.contains(QLatin1String("int")))
        return FieldKind::Integer;
    if (name.contains(QLatin1String("char")) || name.contains(QLatin1String("clob"))
        || name.contains(QLatin1String("text")) || name.contains(QLatin1String("memo")))
        return FieldKind::Text;
    if (name.contains(QLatin1String("blob")))
        return FieldKind::Blob;
    return FieldKind::Float;
}

FieldKind fieldKindFromValueType(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return FieldKind::Integer;
    case QMetaType::Double:
        return FieldKind::Float;
    case QMetaType::QByteArray:
        return FieldKind::Blob;
    default:
        return FieldKind::Text;
    }
}

bool isNumericKind(FieldKind kind)
{
    return kind == FieldKind::Integer || kind == FieldKind::Float || kind == FieldKind::Currency;
}
