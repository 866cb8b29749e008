#include "core/dataset/FieldKind.h"

#include <QStringList>

namespace {

bool isOneOf(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names)
        if (name == QLatin1String(candidate))
            return true;
    return false;
}

} // namespace

FieldKind fieldKindFromDeclaredType(const QString &declaredType)
{
    // "varchar(30)" -> "varchar"; "double precision" -> "double precision"
    QString name = declaredType.trimmed().toLower();
    const qsizetype bracket = name.indexOf(u'(');
    if (bracket >= 0)
        name = name.left(bracket).trimmed();
    if (name.startsWith(QLatin1String("unsigned ")))
        name = name.mid(9);

    if (isOneOf(name, {"money", "currency", "smallmoney"}))
        return FieldKind::Currency;
    if (isOneOf(name, {"datetime", "timestamp", "smalldatetime", "time"}))
        return FieldKind::DateTime;
    if (name == QLatin1String("date"))
        return FieldKind::Date;
    if (isOneOf(name, {"bit", "bool", "boolean", "yesno", "logical"}))
        return FieldKind::Boolean;
    if (isOneOf(name, {"int", "integer", "smallint", "tinyint", "mediumint", "bigint", "long",
                       "counter", "autoincrement", "byte", "int2", "int4", "int8"}))
        return FieldKind::Integer;
    if (isOneOf(name, {"float", "double", "double precision", "real", "single", "numeric", "decimal"}))
        return FieldKind::Float;
    if (isOneOf(name, {"text", "memo", "note", "string", "longtext", "char", "varchar", "nchar", "nvarchar"}))
        return FieldKind::Text;
    if (isOneOf(name, {"blob", "image", "longbinary", "binary", "varbinary", "oleobject", "general"}))
        return FieldKind::Blob;
    if (name.isEmpty())
        return FieldKind::Text;

    // Anything else by SQLite's own affinity rules.
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
